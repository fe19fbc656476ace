#include "form/form_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/form/form_driver.h"

namespace lumiq {
namespace {

using testing_support::FormDriver;
using testing_support::RecordingObserver;
using Events = std::vector<std::string>;

struct StartRow {
  Field field;
  const char* text;
  bool enabled;
};

class InitialField : public testing::TestWithParam<StartRow> {};

TEST_P(InitialField, HoldsItsStartTextAndFlag) {
  const FormDriver d;
  EXPECT_EQ(d.model.Text(GetParam().field), GetParam().text);
  EXPECT_EQ(d.model.IsEnabled(GetParam().field), GetParam().enabled);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, InitialField,
    testing::Values(StartRow{Field::mcd, "", false}, StartRow{Field::deg, "", false},
                    StartRow{Field::mlm, "", false}, StartRow{Field::Voltage, "in Volts", true},
                    StartRow{Field::Current, "in milliAmps", true},
                    StartRow{Field::Power, "", false}, StartRow{Field::Efficiency, "", false},
                    StartRow{Field::Wavelength, "in nm", true}),
    [](const auto& info) { return std::string(NameOf(info.param.field)); });

TEST(InitialModel, SwatchBlackWarningHiddenNoDirection) {
  const FormDriver d;
  EXPECT_EQ(d.model.SwatchColor(), 0);
  EXPECT_FALSE(d.model.InvisibleShown());
  EXPECT_EQ(d.model.chosen, ConversionDirection::None);
  EXPECT_TRUE(d.model.IsEnabled(Control::C_mlm));
  EXPECT_TRUE(d.model.IsEnabled(Control::C_mcd));
  EXPECT_FALSE(d.model.IsEnabled(Control::Calculate));
  EXPECT_TRUE(d.model.IsEnabled(Control::Label4));
  EXPECT_TRUE(d.messages.empty());
}

// Observers see each real change once, in the order the handlers make them.
struct Notification {
  const char* name;
  void (*setUp)(FormDriver&);
  void (*act)(FormDriver&);
  Events events;
};

class Notifications : public testing::TestWithParam<Notification> {};

TEST_P(Notifications, ReportEachChangeOnceInOrder) {
  FormDriver d;
  GetParam().setUp(d);
  RecordingObserver observer;
  d.model.AddObserver(&observer);
  GetParam().act(d);
  d.model.RemoveObserver(&observer);
  EXPECT_EQ(observer.events, GetParam().events);
}

void Nothing(FormDriver&) {}
void ChooseIntensity(FormDriver& d) {
  d.Click(Control::C_mlm);
}
void ChooseFlux(FormDriver& d) {
  d.Click(Control::C_mcd);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, Notifications,
    testing::Values(
        Notification{"EditReported",
                     Nothing,
                     [](FormDriver& d) { d.Type(Field::Voltage, "3"); },
                     {"text Voltage=3"}},
        Notification{"SameTextSilent",
                     Nothing,
                     [](FormDriver& d) { d.Type(Field::Voltage, "in Volts"); },
                     {}},
        Notification{"EachDistinctEditOnce",
                     Nothing,
                     [](FormDriver& d) {
                       d.Type(Field::Wavelength, "5");
                       d.Type(Field::Wavelength, "5");
                       d.Type(Field::Wavelength, "");
                     },
                     {"text Wavelength=5", "show Invisible", "text Wavelength="}},
        Notification{"ReadoutReportedOnceInFinalForm",
                     [](FormDriver& d) { d.Type(Field::Voltage, "3.2"); },
                     [](FormDriver& d) { d.Type(Field::Current, "20"); },
                     {"text Current=20", "text Power=64 mW"}},
        Notification{"WarningLeftAloneWhileStillOutOfRange",
                     [](FormDriver& d) { d.Type(Field::Wavelength, "5"); },
                     [](FormDriver& d) { d.Type(Field::Wavelength, "55"); },
                     {"text Wavelength=55"}},
        Notification{"IntensityButtonSteps",
                     Nothing,
                     ChooseIntensity,
                     {"enable mcd", "enable deg", "enable Calculate"}},
        Notification{"IntensityButtonClearsFlux",
                     [](FormDriver& d) {
                       ChooseFlux(d);
                       d.Type(Field::mlm, "100");
                     },
                     ChooseIntensity,
                     {"enable mcd", "disable mlm", "text mlm="}},
        Notification{"FluxButtonClearsIntensity",
                     [](FormDriver& d) {
                       ChooseIntensity(d);
                       d.Type(Field::mcd, "1000");
                     },
                     ChooseFlux,
                     {"disable mcd", "text mcd=", "enable mlm"}},
        Notification{"CalculateSuccessSteps",
                     [](FormDriver& d) {
                       ChooseIntensity(d);
                       d.Type(Field::mcd, "1000");
                       d.Type(Field::deg, "30");
                     },
                     [](FormDriver& d) { d.Click(Control::Calculate); },
                     {"disable mcd", "disable deg", "text mlm=214.1", "disable Calculate"}},
        Notification{
            "DisabledClickSilent", Nothing, [](FormDriver& d) { d.Click(Control::Calculate); }, {}},
        Notification{"FlagWritesOnlyWhenChanged",
                     Nothing,
                     [](FormDriver& d) {
                       d.model.SetEnabled(Field::Voltage, true);
                       d.model.SetEnabled(Control::Label4, false);
                       d.model.SetInvisibleShown(false);
                       d.model.SetSwatchColor(0);
                       d.model.SetInvisibleShown(true);
                       d.model.SetSwatchColor(255);
                     },
                     {"show Invisible", "color 255"}}),
    [](const auto& info) { return info.param.name; });

TEST(Observers, RemovedObserverHearsNothingAndDuplicatesAreIgnored) {
  FormDriver d;
  RecordingObserver kept;
  RecordingObserver removed;
  d.model.AddObserver(&kept);
  d.model.AddObserver(&kept);
  d.model.AddObserver(&removed);
  d.model.RemoveObserver(&removed);
  d.Type(Field::Current, "20");
  EXPECT_EQ(kept.events, Events{"text Current=20"});
  EXPECT_TRUE(removed.events.empty());
  d.model.RemoveObserver(&kept);
}

TEST(Messages, WithoutASinkAreDropped) {
  FormModel model{nullptr};
  model.Click(Control::Label4);
  model.Click(Control::C_mlm);
  model.Click(Control::Calculate);
  EXPECT_FALSE(model.IsEnabled(Control::Calculate));
}

}  // namespace
}  // namespace lumiq
