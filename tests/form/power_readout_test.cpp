#include <gtest/gtest.h>

#include <string>

#include "form/form_model.h"
#include "tests/form/form_driver.h"

namespace lumiq {
namespace {

using testing_support::FormDriver;
using testing_support::RecordingObserver;

struct Readout {
  const char* name;
  const char* voltage;
  const char* current;
  const char* flux;  // typed into mlm through the flux-to-intensity direction
  const char* power;
  const char* efficiency;
};

class PowerAndEfficiency : public testing::TestWithParam<Readout> {};

TEST_P(PowerAndEfficiency, ShowTheRoundedReadouts) {
  const Readout& row = GetParam();
  FormDriver d;
  d.Click(Control::C_mcd);
  d.Type(Field::mlm, row.flux);
  d.Type(Field::Voltage, row.voltage);
  d.Type(Field::Current, row.current);
  EXPECT_EQ(d.model.Text(Field::Power), row.power);
  EXPECT_EQ(d.model.Text(Field::Efficiency), row.efficiency);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, PowerAndEfficiency,
    testing::Values(Readout{"Example", "3.2", "20", "214.1", "64 mW", "3.3 lm/W"},
                    Readout{"PowerTieToEvenDown", "2.5", "25", "100", "62 mW", "1.6 lm/W"},
                    Readout{"PowerTieToEvenUp", "2.54", "25", "", "64 mW", ""},
                    Readout{"RoundsTheShownTextNotTheRawProduct", "0.7", "45", "", "32 mW", ""},
                    Readout{"NegativeVoltage", "-3", "20", "214.1", "-60 mW", ""},
                    Readout{"ZeroVoltage", "0", "20", "214.1", "0 mW", ""},
                    Readout{"NegativeCurrent", "3", "-20", "214.1", "-60 mW", ""},
                    Readout{"FluxNotNumeric", "3.2", "20", "abc", "64 mW", ""},
                    Readout{"FluxEmpty", "3.2", "20", "", "64 mW", ""},
                    Readout{"PromptsGiveNothing", "in Volts", "in milliAmps", "214.1", "", ""},
                    Readout{"OnePromptGivesNothing", "3.2", "in milliAmps", "214.1", "", ""},
                    Readout{"EfficacyTieToEven", "1", "1", "3.25", "1 mW", "3.2 lm/W"},
                    Readout{"EfficacyRoundsItsText", "1", "1", "3.35", "1 mW", "3.4 lm/W"},
                    Readout{"EfficacyWholeNumber", "2", "5", "80", "10 mW", "8 lm/W"},
                    Readout{"NegativeFlux", "3.2", "20", "-214.1", "64 mW", "-3.3 lm/W"},
                    Readout{"PowerBeyondRange", "1e200", "1e200", "214.1", "", ""},
                    Readout{"PowerTextBeyondRange", "1.7976931348623157e308", "1", "214.1", "", ""},
                    Readout{"PowerUnderflowsToZero", "1e-200", "1e-200", "214.1", "0 mW", ""},
                    Readout{"FluxTimesKBeyondRange", "1e-150", "1e-150", "1e10", "0 mW", ""},
                    Readout{"TinyPowerLargeEfficacy", "1e-5", "1e-5", "1", "0 mW",
                            "10000000000 lm/W"}),
    [](const auto& info) { return info.param.name; });

TEST(PowerAndEfficiency, TypicalConversionUpdatesEfficacyBeforeCalculateFinishes) {
  FormDriver d;
  d.Type(Field::Voltage, "3.2");
  d.Type(Field::Current, "20");
  EXPECT_EQ(d.model.Text(Field::Power), "64 mW");
  EXPECT_EQ(d.model.Text(Field::Efficiency), "");
  d.Click(Control::C_mlm);
  d.Type(Field::mcd, "1000");
  d.Type(Field::deg, "30");
  RecordingObserver observer;
  d.model.AddObserver(&observer);
  d.Click(Control::Calculate);
  d.model.RemoveObserver(&observer);
  // The power is unchanged, so silent; the efficacy is reported once, final.
  const std::vector<std::string> expected = {"disable mcd", "disable deg", "text mlm=214.1",
                                             "text Efficiency=3.3 lm/W", "disable Calculate"};
  EXPECT_EQ(observer.events, expected);
}

TEST(PowerAndEfficiency, IntensityButtonBlanksEfficacyButKeepsPower) {
  FormDriver d;
  d.Type(Field::Voltage, "3.2");
  d.Type(Field::Current, "20");
  d.Click(Control::C_mcd);
  d.Type(Field::mlm, "214.1");
  ASSERT_EQ(d.model.Text(Field::Efficiency), "3.3 lm/W");
  d.Click(Control::C_mlm);
  EXPECT_EQ(d.model.Text(Field::Efficiency), "");
  EXPECT_EQ(d.model.Text(Field::Power), "64 mW");
}

TEST(PowerAndEfficiency, ClearingAnInputBlanksBothReadouts) {
  FormDriver d;
  d.Type(Field::Voltage, "3.2");
  d.Type(Field::Current, "20");
  d.Click(Control::C_mcd);
  d.Type(Field::mlm, "214.1");
  d.Type(Field::Current, "");
  EXPECT_EQ(d.model.Text(Field::Power), "");
  EXPECT_EQ(d.model.Text(Field::Efficiency), "");
}

}  // namespace
}  // namespace lumiq
