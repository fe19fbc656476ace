#include <gtest/gtest.h>

#include <array>
#include <string>

#include "form/form_model.h"
#include "tests/form/form_driver.h"

namespace lumiq {
namespace {

using testing_support::FormDriver;

std::array<std::string, kFieldCount> Texts(const FormModel& model) {
  std::array<std::string, kFieldCount> texts;
  for (const Field f : kAllFields) texts[static_cast<std::size_t>(f)] = model.Text(f);
  return texts;
}

Control ButtonFor(ConversionDirection direction) {
  return direction == ConversionDirection::IntensityToFlux ? Control::C_mlm : Control::C_mcd;
}
Field InputFor(ConversionDirection direction) {
  return direction == ConversionDirection::IntensityToFlux ? Field::mcd : Field::mlm;
}
Field OutputFor(ConversionDirection direction) {
  return direction == ConversionDirection::IntensityToFlux ? Field::mlm : Field::mcd;
}

constexpr auto k1 = ConversionDirection::IntensityToFlux;
constexpr auto k2 = ConversionDirection::FluxToIntensity;

// The flags of the state table, read off the model.
struct Flags {
  bool mcd, deg, mlm, calculate;
  ConversionDirection chosen;
  bool operator==(const Flags&) const = default;
};

Flags FlagsOf(const FormModel& m) {
  return {m.IsEnabled(Field::mcd), m.IsEnabled(Field::deg), m.IsEnabled(Field::mlm),
          m.IsEnabled(Control::Calculate), m.chosen};
}

void PrintTo(const Flags& f, std::ostream* os) {
  *os << "{mcd " << f.mcd << ", deg " << f.deg << ", mlm " << f.mlm << ", Calculate " << f.calculate
      << ", chosen " << static_cast<int>(f.chosen) << "}";
}

struct StateRow {
  const char* name;
  void (*act)(FormDriver&);
  Flags flags;
  std::size_t messages = 0;  // shown along the way; an ignored click shows none
};

class StateTable : public testing::TestWithParam<StateRow> {};

TEST_P(StateTable, FlagsAfterEachEvent) {
  FormDriver d;
  GetParam().act(d);
  EXPECT_EQ(FlagsOf(d.model), GetParam().flags);
  EXPECT_EQ(d.messages.size(), GetParam().messages);
  for (const Control c : {Control::C_mlm, Control::C_mcd, Control::Label4}) {
    EXPECT_TRUE(d.model.IsEnabled(c));
  }
  for (const Field f : {Field::Voltage, Field::Current, Field::Wavelength}) {
    EXPECT_TRUE(d.model.IsEnabled(f));
  }
  EXPECT_FALSE(d.model.IsEnabled(Field::Power));
  EXPECT_FALSE(d.model.IsEnabled(Field::Efficiency));
}

INSTANTIATE_TEST_SUITE_P(
    Events, StateTable,
    testing::Values(StateRow{"Start",
                             [](FormDriver&) {},
                             {false, false, false, false, ConversionDirection::None}},
                    StateRow{"CalculateAtStartIsIgnored",
                             [](FormDriver& d) { d.Click(Control::Calculate); },
                             {false, false, false, false, ConversionDirection::None}},
                    StateRow{"ClickIntensityToFlux",
                             [](FormDriver& d) { d.Click(Control::C_mlm); },
                             {true, true, false, true, k1}},
                    StateRow{"ClickFluxToIntensity",
                             [](FormDriver& d) { d.Click(Control::C_mcd); },
                             {false, true, true, true, k2}},
                    StateRow{"SwitchDirection",
                             [](FormDriver& d) {
                               d.Click(Control::C_mlm);
                               d.Click(Control::C_mcd);
                             },
                             {false, true, true, true, k2}},
                    StateRow{"CalculateSuccess",
                             [](FormDriver& d) {
                               d.Click(Control::C_mcd);
                               d.Type(Field::mlm, "100");
                               d.Type(Field::deg, "30");
                               d.Click(Control::Calculate);
                             },
                             {false, false, false, false, ConversionDirection::None}},
                    StateRow{"CalculateFailureKeepsDirection1",
                             [](FormDriver& d) {
                               d.Click(Control::C_mlm);
                               d.Click(Control::Calculate);
                             },
                             {false, false, false, false, k1},
                             1},
                    StateRow{"CalculateFailureKeepsDirection2",
                             [](FormDriver& d) {
                               d.Click(Control::C_mcd);
                               d.Click(Control::Calculate);
                             },
                             {false, false, false, false, k2},
                             1},
                    StateRow{"CalculateAfterFailureIsIgnored",
                             [](FormDriver& d) {
                               d.Click(Control::C_mlm);
                               d.Click(Control::Calculate);
                               d.Click(Control::Calculate);
                             },
                             {false, false, false, false, k1},
                             1}),
    [](const auto& info) { return info.param.name; });

struct Conversion {
  const char* name;
  ConversionDirection direction;
  const char* input;
  const char* degrees;
  const char* output;
};

class SuccessfulConversion : public testing::TestWithParam<Conversion> {};

TEST_P(SuccessfulConversion, WritesTheRoundedResult) {
  const Conversion& row = GetParam();
  FormDriver d;
  d.Click(ButtonFor(row.direction));
  d.Type(InputFor(row.direction), row.input);
  d.Type(Field::deg, row.degrees);
  d.Click(Control::Calculate);
  EXPECT_EQ(d.model.Text(OutputFor(row.direction)), row.output);
  EXPECT_EQ(d.model.Text(InputFor(row.direction)), row.input);  // the input stays as typed
  EXPECT_TRUE(d.messages.empty());
  EXPECT_EQ(d.model.chosen, ConversionDirection::None);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, SuccessfulConversion,
    testing::Values(Conversion{"IntensityToFlux", k1, "1000", "30", "214.1"},
                    Conversion{"FluxToIntensity", k2, "100", "30", "467.1"},
                    Conversion{"NegativeIntensity", k1, "-1000", "30", "-214.1"},
                    Conversion{"WholeResultWithoutDecimals", k2, "100", "359.9", "8"},
                    Conversion{"WholeResultTwelve", k2, "75.4", "180", "12"},
                    Conversion{"BlanksAroundInputs", k1, " 1000 ", " 30 ", "214.1"},
                    Conversion{"ExponentInput", k1, "1e3", "30", "214.1"},
                    Conversion{"NarrowestConeGivesZeroFlux", k1, "1000", "1e-7", "0"},
                    Conversion{"JustBelowTheLargestText", k1, "5.72223497146169e307", "120",
                               "1.7976931348623E+308"},
                    Conversion{"NearFullSphere", k1, "1000", "359.9", "12566.4"}),
    [](const auto& info) { return info.param.name; });

struct Failure {
  const char* name;
  ConversionDirection direction;
  const char* input;
  const char* degrees;
  const char* item;
  Field quoted;
};

class FailedConversion : public testing::TestWithParam<Failure> {};

TEST_P(FailedConversion, ShowsOneMessageThenLocksWithTextsIntact) {
  const Failure& row = GetParam();
  FormDriver d;
  d.Click(ButtonFor(row.direction));
  d.Type(InputFor(row.direction), row.input);
  d.Type(Field::deg, row.degrees);
  const auto textsBefore = Texts(d.model);
  d.Click(Control::Calculate);

  const std::string expected = std::string("No acceptable numeric value entered for\r") + row.item +
                               d.model.Text(row.quoted) + ")";
  ASSERT_EQ(d.messages.size(), 1u);
  EXPECT_EQ(d.messages[0], expected);
  EXPECT_TRUE(d.calculateEnabledAtMessage[0]);  // greyed only once the message is dismissed
  EXPECT_EQ(Texts(d.model), textsBefore);
  EXPECT_EQ(FlagsOf(d.model), (Flags{false, false, false, false, row.direction}));

  // The same direction button unlocks the inputs with their texts intact.
  d.Click(ButtonFor(row.direction));
  EXPECT_TRUE(d.model.IsEnabled(InputFor(row.direction)));
  EXPECT_EQ(d.model.Text(InputFor(row.direction)), row.input);
  EXPECT_EQ(d.model.Text(Field::deg), row.degrees);
}

constexpr const char* kDegrees = "degrees (0-360), please try again! (";
constexpr const char* kMillicandela = "millicandela, please try again! (";
constexpr const char* kMillilumens = "millilumens, please try again! (";

INSTANTIATE_TEST_SUITE_P(
    Examples, FailedConversion,
    testing::Values(Failure{"DegreesNotNumeric", k1, "1000", "abc", kDegrees, Field::deg},
                    Failure{"DegreesFullCircle", k1, "1000", "360", kDegrees, Field::deg},
                    Failure{"DegreesZero", k2, "100", "0", kDegrees, Field::deg},
                    Failure{"DegreesNegative", k1, "1000", "-5", kDegrees, Field::deg},
                    Failure{"DegreesBeyondCircle", k2, "100", "720", kDegrees, Field::deg},
                    Failure{"DegreesEmptyGivesEmptyParentheses", k1, "1000", "", kDegrees,
                            Field::deg},
                    Failure{"DegreesQuotedUntrimmed", k1, "1000", " abc ", kDegrees, Field::deg},
                    Failure{"DegreesQuotedLiterally", k2, "100", "<b>x</b>", kDegrees, Field::deg},
                    Failure{"DegreesCheckedBeforeInput", k1, "abc", "abc", kDegrees, Field::deg},
                    Failure{"IntensityNotNumeric", k1, "abc", "30", kMillicandela, Field::mcd},
                    Failure{"IntensityEmpty", k1, "", "30", kMillicandela, Field::mcd},
                    Failure{"FluxNotNumeric", k2, "abc", "30", kMillilumens, Field::mlm},
                    Failure{"FluxEmpty", k2, "", "30", kMillilumens, Field::mlm},
                    Failure{"ZeroSolidAngleCannotDivide", k2, "100", "1e-7", kDegrees, Field::deg},
                    Failure{"ZeroSolidAngleBeforeBadFlux", k2, "abc", "1e-7", kDegrees, Field::deg},
                    Failure{"ProductBeyondRange", k1, "1e308", "90", kMillicandela, Field::mcd},
                    Failure{"QuotientBeyondRange", k2, "1e308", "1", kMillilumens, Field::mlm},
                    Failure{"ResultTextBeyondRange", k1, "5.722234971461743e307", "120",
                            kMillicandela, Field::mcd},
                    Failure{"QuotientTextBeyondRange", k2, "1.513275096494578e308", "60",
                            kMillilumens, Field::mlm}),
    [](const auto& info) { return info.param.name; });

TEST(DirectionButtons, KeepTheAngleAndTheInputText) {
  FormDriver d;
  d.Click(Control::C_mlm);
  d.Type(Field::mcd, "1000");
  d.Type(Field::deg, "30");
  d.Click(Control::C_mcd);
  EXPECT_EQ(d.model.Text(Field::mcd), "");
  EXPECT_EQ(d.model.Text(Field::deg), "30");
  d.Type(Field::mlm, "100");
  d.Click(Control::C_mlm);
  EXPECT_EQ(d.model.Text(Field::mlm), "");
  EXPECT_EQ(d.model.Text(Field::deg), "30");
}

TEST(ContactMessage, NamesTheAddressOnASecondLineAndChangesNothing) {
  FormDriver d;
  const auto textsBefore = Texts(d.model);
  d.Click(Control::Label4);
  ASSERT_EQ(d.messages.size(), 1u);
  const std::string prefix = "Encounted an error? Please mail:\r";
  ASSERT_EQ(d.messages[0].substr(0, prefix.size()), prefix);
  const std::string address = d.messages[0].substr(prefix.size());
  EXPECT_NE(address.find('@'), std::string::npos);
  EXPECT_EQ(address.find('\r'), std::string::npos);
  EXPECT_EQ(Texts(d.model), textsBefore);
  EXPECT_EQ(FlagsOf(d.model), (Flags{false, false, false, false, ConversionDirection::None}));
}

}  // namespace
}  // namespace lumiq
