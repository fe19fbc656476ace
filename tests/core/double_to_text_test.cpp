#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "core/numeric_text.h"

namespace lumiq {
namespace {

struct Display {
  const char* name;
  double value;
  std::string text;
};

class DoubleToTextDisplay : public testing::TestWithParam<Display> {};

TEST_P(DoubleToTextDisplay, ShowsTheValueAsExpected) {
  EXPECT_EQ(DoubleToText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, DoubleToTextDisplay,
    testing::Values(
        Display{"WholeNumberHasNoPoint", 12.0, "12"}, Display{"OneDecimal", 214.1, "214.1"},
        Display{"LeadingZeroKept", 0.5, "0.5"},
        Display{"FifteenThrees", 1.0 / 3.0, "0.333333333333333"},
        Display{"TwoThirdsRoundsUp", 2.0 / 3.0, "0.666666666666667"},
        Display{"AsciiMinus", -60.0, "-60"}, Display{"NegativeZero", -0.0, "0"},
        Display{"Zero", 0.0, "0"}, Display{"TinyNegativeFraction", -0.25, "-0.25"},
        Display{"SmallestPlain", 0.0001, "0.0001"}, Display{"BelowPlainSwitch", 0.00001, "1E-05"},
        Display{"SmallExponent", 1e-7, "1E-07"}, Display{"ThousandthPlain", 0.001, "0.001"},
        Display{"SmallWithDigits", 0.000123456789012345678, "0.000123456789012346"},
        Display{"LargestPlain", 999999999999999.0, "999999999999999"},
        Display{"RoundsIntoExponentForm", 999999999999999.9, "1E+15"},
        Display{"TenToFifteen", 1e15, "1E+15"},
        Display{"LargeExponent", 123456789012345678901.0, "1.23456789012346E+20"},
        Display{"NegativeExponentForm", -1.5e-10, "-1.5E-10"},
        Display{"ThreeDigitExponent", 1e300, "1E+300"},
        Display{"LargestDouble", std::numeric_limits<double>::max(), "1.79769313486232E+308"},
        Display{"SmallestSubnormal", std::numeric_limits<double>::denorm_min(),
                "4.94065645841247E-324"},
        Display{"FifteenDigitsKept", 123456.789012345, "123456.789012345"},
        Display{"SixteenthDigitRounded", 0.1 + 0.2, "0.3"},
        Display{"ExactTieKeepsEvenDigit", 123456789012344.5, "123456789012344"},
        Display{"ExactTieRoundsUpToEvenDigit", 123456789012345.5, "123456789012346"},
        Display{"FifteenthDigitZeroDropped", 593.2244120070195, "593.22441200702"},
        Display{"FifteenthDigitZeroDroppedSubnormalRange", 1.7850989274634964e-308,
                "1.7850989274635E-308"},
        Display{"Infinity", std::numeric_limits<double>::infinity(), ""},
        Display{"NaN", std::numeric_limits<double>::quiet_NaN(), ""}),
    [](const auto& info) { return info.param.name; });

int SignificantDigits(const std::string& text) {
  int count = 0;
  bool leading = true;
  for (const char c : text) {
    if (c == 'E') break;
    if (c < '0' || c > '9') continue;
    if (leading && c == '0') continue;
    leading = false;
    ++count;
  }
  return count;
}

TEST(DoubleToTextRoundTrip, AnyFiniteValueReadsBackWithinFifteenDigits) {
  std::mt19937_64 random(20261207);
  std::uniform_int_distribution<std::uint64_t> bits;
  for (int i = 0; i < 20000; ++i) {
    double value = 0;
    const std::uint64_t pattern = bits(random);
    std::memcpy(&value, &pattern, sizeof value);
    if (!std::isfinite(value)) continue;
    const std::string text = DoubleToText(value);
    ASSERT_LE(SignificantDigits(text), 15) << text;
    // Only values within 15-digit rounding of the largest double may print
    // as a text beyond the range. The bound allows the 15-digit rounding and
    // the read-back's own rounding, which is coarser among subnormals.
    if (std::fabs(value) < 1.797693134862315e308) {
      ASSERT_TRUE(IsNumericText(text)) << text;
      const double back = TextToDouble(text);
      ASSERT_LE(std::fabs(back - value), std::fabs(value) * 1e-14) << text;
    }
  }
}

}  // namespace
}  // namespace lumiq
