// The rules both views follow: greyed text under every kind of palette,
// readable yet visibly greyed; and an edit's echo, of all the reports an edit
// causes only the edited box's report of the typed text.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tests/form/form_driver.h"
#include "view/palette.h"

namespace lumiq {
namespace {

struct Palette {
  std::string name;
  Rgb8 text, background;
  Rgb8 greyed;  // the furthest sixteenth towards the background that reads at 5:1
};

// clang-format off
const Palette kPalettes[] = {
    {"ClassicLight",  {0, 0, 0},          {0xef, 0xef, 0xef}, {0x5a, 0x5a, 0x5a}},
    {"AdwaitaDark",   {0xee, 0xee, 0xec}, {0x32, 0x32, 0x32}, {0xa8, 0xa8, 0xa6}},
    {"BlackOnWhite",  {0, 0, 0},          {0xff, 0xff, 0xff}, {0x60, 0x60, 0x60}},
    {"WhiteOnBlack",  {0xff, 0xff, 0xff}, {0, 0, 0},          {0x8f, 0x8f, 0x8f}},
    // Text that already reads worse than greyed text must: kept as it is.
    {"SolarizedDark", {0x83, 0x94, 0x96}, {0x00, 0x2b, 0x36}, {0x83, 0x94, 0x96}},
    // Coloured: green weighs ten times blue in luminance.
    {"TintedLight",   {0x1a, 0x1a, 0x40}, {0xf4, 0xe8, 0xd0}, {0x5e, 0x5a, 0x6d}},
    {"FaintTheme",    {0x80, 0x80, 0x80}, {0x60, 0x60, 0x60}, {0x80, 0x80, 0x80}},
};
// clang-format on

class GreyedTextOf : public testing::TestWithParam<Palette> {};

TEST_P(GreyedTextOf, ReadsAndLooksGreyed) {
  const Palette& p = GetParam();
  const Rgb8 greyed = GreyedText(p.text, p.background);
  EXPECT_EQ(greyed, p.greyed);
  const double textContrast = ContrastRatio(p.text, p.background);
  if (textContrast < kGreyedTextContrast) {
    EXPECT_EQ(greyed, p.text);
    return;
  }
  EXPECT_GE(ContrastRatio(greyed, p.background), kGreyedTextContrast);
  EXPECT_LT(ContrastRatio(greyed, p.background), textContrast);  // fainter than the text
  // Between the text and the background in each component: the same hue.
  for (const auto component : {&Rgb8::red, &Rgb8::green, &Rgb8::blue}) {
    EXPECT_GE(greyed.*component, std::min(p.text.*component, p.background.*component));
    EXPECT_LE(greyed.*component, std::max(p.text.*component, p.background.*component));
  }
}

INSTANTIATE_TEST_SUITE_P(Palettes, GreyedTextOf, testing::ValuesIn(kPalettes),
                         [](const auto& info) { return info.param.name; });

TEST(ContrastRatio, SpansOneToTwentyOne) {
  EXPECT_DOUBLE_EQ(ContrastRatio({0, 0, 0}, {255, 255, 255}), 21.0);
  EXPECT_DOUBLE_EQ(ContrastRatio({255, 255, 255}, {0, 0, 0}), 21.0);
  EXPECT_DOUBLE_EQ(ContrastRatio({0x77, 0x77, 0x77}, {0x77, 0x77, 0x77}), 1.0);
  // Pure green and pure blue on black: WCAG's weights, 0.7152 and 0.0722.
  EXPECT_DOUBLE_EQ(ContrastRatio({0, 255, 0}, {0, 0, 0}), (0.7152 + 0.05) / 0.05);
  EXPECT_DOUBLE_EQ(ContrastRatio({0, 0, 255}, {0, 0, 0}), (0.0722 + 0.05) / 0.05);
}

// A layout row's number, as the page's engine is handed it: the control it
// holds, and nothing for a row of another part or a number past the table.
struct RowCase {
  std::string name;
  std::size_t row;
  std::optional<Control> control;
};

const RowCase kRowCases[] = {
    {"TheCredit", RowIndexOf(Control::Label4), Control::Label4},
    {"ABox", RowIndexOf(Field::mcd), std::nullopt},
    {"AFrame", *RowIndexOf(Container::Extra), std::nullopt},
    {"OnePastTheTable", kWidgetCount, std::nullopt},
    {"FarPast", SIZE_MAX, std::nullopt},
};

class LayoutRow : public testing::TestWithParam<RowCase> {};

TEST_P(LayoutRow, HoldsItsPartOrNothing) {
  const RowCase& c = GetParam();
  EXPECT_EQ(PartAt<Control>(c.row), c.control);
  // A copy of the row is found where the row is.
  if (c.row < kWidgetCount) {
    EXPECT_EQ(IndexOf(WidgetRow(kWidgets[c.row])), c.row);
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, LayoutRow, testing::ValuesIn(kRowCases),
                         [](const auto& info) { return info.param.name; });

struct EchoCase {
  std::string name;
  std::vector<std::pair<Field, std::string>> before;  // typed first
  Field edited;
  std::string text;
};

const EchoCase kEchoCases[] = {
    {"VoltageWithCurrent", {{Field::Current, "20"}}, Field::Voltage, "3.2"},
    {"CurrentTwice", {{Field::Current, "20"}}, Field::Current, "25"},
    {"Wavelength", {{Field::Voltage, "3"}}, Field::Wavelength, "550"},
    {"EmptiedBox", {{Field::Voltage, "3"}}, Field::Voltage, ""},
    // The power empties too: its empty text is no echo of the voltage's.
    {"EmptiedVoltageUnderAPower",
     {{Field::Voltage, "3.2"}, {Field::Current, "20"}},
     Field::Voltage,
     ""},
};

class EditEchoOf : public testing::TestWithParam<EchoCase> {};

TEST_P(EditEchoOf, OnlyTheEditedTextIsItsEcho) {
  const EchoCase& c = GetParam();
  testing_support::FormDriver d;
  testing_support::RecordingObserver reports;
  d.model.AddObserver(&reports);
  for (const auto& [field, text] : c.before) reports.Edit(d.model, field, text);
  reports.events.clear();
  reports.Edit(d.model, c.edited, c.text);
  const std::string echo = "text " + std::string(NameOf(c.edited)) + "=" + c.text + " (echo)";
  ASSERT_FALSE(reports.events.empty());
  EXPECT_EQ(reports.events.front(), echo);
  const auto echoes = [&reports] {
    return std::count_if(reports.events.begin(), reports.events.end(),
                         [](const std::string& e) { return e.ends_with("(echo)"); });
  };
  EXPECT_EQ(echoes(), 1);
  // The same box written by the model afterwards is no echo, even with the
  // text the user typed before.
  d.Type(c.edited, "x");
  d.Type(c.edited, c.text);
  EXPECT_EQ(echoes(), 1);
}

INSTANTIATE_TEST_SUITE_P(Edits, EditEchoOf, testing::ValuesIn(kEchoCases),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace lumiq
