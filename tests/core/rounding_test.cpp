#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/rounding.h"

namespace lumiq {
namespace {

struct Rounding {
  const char* name;
  double x;
  int places;
  double expected;
};

class RoundHalfEvenCase : public testing::TestWithParam<Rounding> {};

TEST_P(RoundHalfEvenCase, RoundsToTheNearestWithTiesToEven) {
  const Rounding& row = GetParam();
  const double rounded = RoundHalfEven(row.x, row.places);
  EXPECT_EQ(rounded, row.expected);
  EXPECT_EQ(std::signbit(rounded), std::signbit(row.expected));
}

constexpr double kMax = std::numeric_limits<double>::max();

INSTANTIATE_TEST_SUITE_P(
    Examples, RoundHalfEvenCase,
    testing::Values(
        Rounding{"TieDownToEven", 2.5, 0, 2.0}, Rounding{"TieUpToEven", 3.5, 0, 4.0},
        Rounding{"PowerTieDown", 62.5, 0, 62.0}, Rounding{"PowerTieUp", 63.5, 0, 64.0},
        Rounding{"TenthsTieDown", 2.25, 1, 2.2}, Rounding{"TenthsTieUp", 2.75, 1, 2.8},
        Rounding{"TenthsBelowHalf", 12.345, 1, 12.3}, Rounding{"TenthsToWhole", 7.9577, 1, 8.0},
        Rounding{"NegativeTie", -2.5, 0, -2.0}, Rounding{"NegativeAboveHalf", -2.51, 0, -3.0},
        Rounding{"NegativeToZeroKeepsSign", -0.4, 0, -0.0}, Rounding{"ZeroTieToEven", 0.5, 0, 0.0},
        Rounding{"ScaledTieFollowsText", 0.35, 1, 0.4},
        Rounding{"ScaledTieDownFollowsText", 3.45, 1, 3.4},
        Rounding{"ConversionExample", 214.09434761688978, 1, 214.1},
        Rounding{"LargeKeptWhole", 1e308, 1, 1e308}, Rounding{"LargestKept", kMax, 0, kMax},
        Rounding{"NoFractionBitsKept", 4503599627370497.0, 1, 4503599627370497.0},
        Rounding{"NegativePlacesClampedToZero", 2.5, -3, 2.0},
        Rounding{"PlacesAboveTwentyTwoClamped", 0.125, 40, 0.125},
        // Just past the table of powers, where a sanitizer sees a read.
        Rounding{"PlacesOnePastTheTableClamped", 1.25, 23, 1.25}),
    [](const auto& info) { return info.param.name; });

TEST(RoundHalfEvenNonFinite, ComesBackUnchanged) {
  EXPECT_EQ(RoundHalfEven(std::numeric_limits<double>::infinity(), 1),
            std::numeric_limits<double>::infinity());
  EXPECT_TRUE(std::isnan(RoundHalfEven(std::numeric_limits<double>::quiet_NaN(), 0)));
}

struct Whole {
  const char* name;
  double x;
  double floor;
  std::int32_t int32;
};

class WholeNumberCase : public testing::TestWithParam<Whole> {};

TEST_P(WholeNumberCase, FloorsDownAndConvertsToNearestEven) {
  EXPECT_EQ(Floor(GetParam().x), GetParam().floor);
  EXPECT_EQ(ToInt32(GetParam().x), GetParam().int32);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, WholeNumberCase,
    testing::Values(Whole{"HalfUp", 127.5, 127.0, 128}, Whole{"HalfDown", 229.5, 229.0, 230},
                    Whole{"NegativeFloorsAway", -2.5, -3.0, -2},
                    Whole{"PackedTieDown", 16711798.5, 16711798.0, 16711798},
                    Whole{"PackedTieUp", 16711801.5, 16711801.0, 16711802},
                    Whole{"BelowHalf", 0.49999999999999994, 0.0, 0},
                    Whole{"SaturatesHigh", 1e10, 1e10, std::numeric_limits<std::int32_t>::max()},
                    Whole{"SaturatesLow", -1e10, -1e10, std::numeric_limits<std::int32_t>::min()}),
    [](const auto& info) { return info.param.name; });

TEST(ToInt32NaN, GivesZero) {
  EXPECT_EQ(ToInt32(std::numeric_limits<double>::quiet_NaN()), 0);
}

}  // namespace
}  // namespace lumiq
