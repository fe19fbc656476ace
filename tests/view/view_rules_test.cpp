// The rules both views follow: greyed text under every kind of palette,
// readable yet visibly greyed; and an edit's echo, of all the reports an edit
// causes only the edited box's report of the typed text.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/form/form_driver.h"
#include "view/palette.h"

namespace lumiq {
namespace {

struct Palette {
  std::string name;
  Rgb8 text, background;
};

const Palette kPalettes[] = {
    {"ClassicLight", {0, 0, 0}, {0xef, 0xef, 0xef}},
    {"AdwaitaDark", {0xee, 0xee, 0xec}, {0x32, 0x32, 0x32}},
    {"BlackOnWhite", {0, 0, 0}, {0xff, 0xff, 0xff}},
    {"WhiteOnBlack", {0xff, 0xff, 0xff}, {0, 0, 0}},
    {"SolarizedDark", {0x83, 0x94, 0x96}, {0x00, 0x2b, 0x36}},
    {"TintedLight", {0x1a, 0x1a, 0x40}, {0xf4, 0xe8, 0xd0}},
    // Text that already reads worse than greyed text must: kept as it is.
    {"FaintTheme", {0x80, 0x80, 0x80}, {0x60, 0x60, 0x60}},
};

class GreyedTextOf : public testing::TestWithParam<Palette> {};

TEST_P(GreyedTextOf, ReadsAndLooksGreyed) {
  const Palette& p = GetParam();
  const Rgb8 greyed = GreyedText(p.text, p.background);
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
}

struct EchoCase {
  std::string name;
  Field before, edited;  // typed one after the other
  std::string beforeText, text;
};

const EchoCase kEchoCases[] = {
    {"VoltageWithCurrent", Field::Current, Field::Voltage, "20", "3.2"},
    {"CurrentTwice", Field::Current, Field::Current, "20", "25"},
    {"Wavelength", Field::Voltage, Field::Wavelength, "3", "550"},
    {"EmptiedBox", Field::Voltage, Field::Voltage, "3", ""},
};

class EditEchoOf : public testing::TestWithParam<EchoCase> {};

TEST_P(EditEchoOf, OnlyTheEditedTextIsItsEcho) {
  const EchoCase& c = GetParam();
  testing_support::FormDriver d;
  testing_support::RecordingObserver reports;
  d.model.AddObserver(&reports);
  reports.Edit(d.model, c.before, c.beforeText);
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
