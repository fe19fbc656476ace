// DoubleToText's 15 digits against MPFR's exact rounding of the same double,
// over random bit patterns: the shortcut from the shortest text must never
// round differently from the exact value.
#include <gtest/gtest.h>
#include <mpfr.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>

#include "core/numeric_text.h"

namespace lumiq {
namespace {

// "d.dddddddddddddde[+-]x" as digits without trailing zeros, and the exponent.
std::string MpfrFifteenDigits(double value) {
  mpfr_t v;
  mpfr_init2(v, 53);
  mpfr_set_d(v, std::fabs(value), MPFR_RNDN);
  char* text = nullptr;
  mpfr_asprintf(&text, "%.14Re", v);  // ties to even on the exact value
  std::string s(text);
  mpfr_free_str(text);
  mpfr_clear(v);
  const std::size_t e = s.find('e');
  std::string digits = s.substr(0, 1) + s.substr(2, e - 2);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  return digits + "e" + std::to_string(std::stoi(s.substr(e + 1)));
}

// The same form from the display text ("0.000123", "1.5E+20", "214.1").
std::string DisplayedFifteenDigits(const std::string& text) {
  std::string digits;
  int pointAt = -1, firstAt = -1, position = 0;
  std::size_t i = text[0] == '-' ? 1 : 0;
  for (; i < text.size() && text[i] != 'E'; ++i) {
    if (text[i] == '.') {
      pointAt = position;
      continue;
    }
    if (firstAt < 0 && text[i] != '0') firstAt = position;
    if (firstAt >= 0) digits.push_back(text[i]);
    ++position;
  }
  if (pointAt < 0) pointAt = position;
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  const int written = i < text.size() ? std::stoi(text.substr(i + 1)) : 0;
  return digits + "e" + std::to_string(pointAt - 1 - firstAt + written);
}

TEST(DoubleToTextAgainstMpfr, RandomBitPatternsRoundLikeTheExactValue) {
  std::mt19937_64 bits(20261208);
  int compared = 0;
  for (int i = 0; i < 200000; ++i) {
    const std::uint64_t pattern = bits();
    double value = 0;
    std::memcpy(&value, &pattern, sizeof value);
    if (!std::isfinite(value) || value == 0) continue;
    ++compared;
    ASSERT_EQ(DisplayedFifteenDigits(DoubleToText(value)), MpfrFifteenDigits(value))
        << std::hexfloat << value;
  }
  EXPECT_GT(compared, 190000);
}

}  // namespace
}  // namespace lumiq
