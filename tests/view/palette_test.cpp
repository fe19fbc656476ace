// Greyed text under every kind of palette: readable, yet visibly greyed.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

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

}  // namespace
}  // namespace lumiq
