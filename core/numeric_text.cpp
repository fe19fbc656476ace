#include "core/numeric_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <system_error>

namespace lumiq {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// 10^n for n in 0..22: every one of them is exact in a double.
constexpr std::array<double, 23> kPowersOfTen = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                 1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Decimal exponents this far inside the double range (1e-308 .. 1.8e308) need
// no conversion to know the value fits; the running exponent stops growing
// at the saturation value so that no digit string can overflow it.
constexpr long long kSafeExponent = 300;
constexpr long long kExponentSaturation = 1'000'000'000;

// Beyond this magnitude a double has no fractional bits.
constexpr double kNoFraction = 4503599627370496.0;  // 2^52

// Half-to-even rounding to an integer, written out so that it does not depend
// on the floating-point environment's rounding mode.
double RoundToEvenInteger(double y) {
  const double magnitude = std::fabs(y);
  if (!(magnitude < kNoFraction)) return y;
  double whole = std::floor(magnitude);
  const double fraction = magnitude - whole;  // exact for magnitude < 2^52
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
  return std::copysign(whole, y);
}

}  // namespace

std::optional<double> ParseNumericText(std::string_view text) noexcept {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  // After the sign only a digit or a point may start the number. That keeps
  // from_chars to plain decimals: no "inf", "nan", or second sign.
  if (i == text.size() || !(IsDigit(text[i]) || text[i] == '.')) return std::nullopt;

  // from_chars reads the longest decimal it can ("1" of "1e", "0" of "0x1")
  // and reports out-of-range values, overflow and underflow to zero alike,
  // without touching the result; only blanks may follow what it read.
  double value = 0.0;
  const char* last = text.data() + text.size();
  const auto [end, ec] = std::from_chars(text.data() + i, last, value, std::chars_format::general);
  if (ec != std::errc() || !std::isfinite(value)) return std::nullopt;
  for (const char* p = end; p != last; ++p) {
    if (!IsBlank(*p)) return std::nullopt;
  }
  return negative ? -value : value;
}

bool IsNumericText(std::string_view text) noexcept {
  // The grammar alone decides, without converting, whenever the value's
  // decimal exponent is comfortably inside the double range; only texts near
  // the edges of the range are converted to find out.
  const char* p = text.data();
  const char* const end = p + text.size();
  while (p != end && IsBlank(*p)) ++p;
  if (p != end && (*p == '+' || *p == '-')) ++p;

  const char* const intStart = p;
  while (p != end && *p == '0') ++p;
  const char* const significant = p;
  while (p != end && IsDigit(*p)) ++p;
  const char* const intEnd = p;
  long long exponent = (intEnd - significant) - 1;
  bool allZero = intEnd == significant;
  bool fractionDigits = false;
  if (p != end && *p == '.') {
    const char* const fractionStart = ++p;
    if (allZero) {
      while (p != end && *p == '0') ++p;
      exponent = -(p - fractionStart) - 1;
      allZero = p == end || !IsDigit(*p);
    }
    while (p != end && IsDigit(*p)) ++p;
    fractionDigits = p != fractionStart;
  }
  if (intEnd == intStart && !fractionDigits) return false;

  if (p != end && (*p == 'e' || *p == 'E')) {
    ++p;
    bool negativeExponent = false;
    if (p != end && (*p == '+' || *p == '-')) negativeExponent = *p++ == '-';
    const char* const digits = p;
    long long written = 0;
    for (; p != end && IsDigit(*p); ++p) {
      if (written < kExponentSaturation) written = written * 10 + (*p - '0');
    }
    if (p == digits) return false;
    exponent += negativeExponent ? -written : written;
  }
  for (; p != end; ++p) {
    if (!IsBlank(*p)) return false;
  }
  if (allZero || (exponent > -kSafeExponent && exponent < kSafeExponent)) return true;
  return ParseNumericText(text).has_value();
}

double TextToDouble(std::string_view text) {
  if (const auto value = ParseNumericText(text)) return *value;
  throw std::invalid_argument("TextToDouble: text is not numeric");
}

std::string DoubleToText(double value) {
  if (!std::isfinite(value)) return {};
  if (value == 0.0) return "0";  // also negative zero

  // "d.dddddddddddddde+XX": exactly 15 significant digits, correctly rounded.
  std::array<char, 32> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::scientific, 14);
  const std::string_view sci(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));

  const bool negative = sci.front() == '-';
  const std::size_t markerAt = sci.find('e');
  std::string digits;
  digits.reserve(15);
  for (const char c : sci.substr(0, markerAt)) {
    if (IsDigit(c)) digits.push_back(c);
  }
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  int exponent = 0;
  const std::string_view exponentText = sci.substr(markerAt + 1);
  const char* exponentFirst = exponentText.data() + (exponentText.front() == '+' ? 1 : 0);
  std::from_chars(exponentFirst, exponentText.data() + exponentText.size(), exponent);

  std::string out;
  out.reserve(24);
  if (negative) out.push_back('-');
  const auto count = static_cast<int>(digits.size());
  if (exponent < -4 || exponent > 14) {
    out.push_back(digits[0]);
    if (count > 1) {
      out.push_back('.');
      out.append(digits, 1);
    }
    out.push_back('E');
    out.push_back(exponent < 0 ? '-' : '+');
    const int magnitude = exponent < 0 ? -exponent : exponent;
    if (magnitude < 10) out.push_back('0');
    out.append(std::to_string(magnitude));
  } else if (exponent < 0) {
    out.append("0.");
    out.append(static_cast<std::size_t>(-exponent - 1), '0');
    out.append(digits);
  } else {
    const int wholeDigits = exponent + 1;
    if (count <= wholeDigits) {
      out.append(digits);
      out.append(static_cast<std::size_t>(wholeDigits - count), '0');
    } else {
      out.append(digits, 0, static_cast<std::size_t>(wholeDigits));
      out.push_back('.');
      out.append(digits, static_cast<std::size_t>(wholeDigits));
    }
  }
  return out;
}

double RoundHalfEven(double x, int places) noexcept {
  if (places < 0) places = 0;
  if (places > 22) places = 22;
  if (!(std::fabs(x) < kNoFraction)) return x;  // also inf and NaN
  const double scale = kPowersOfTen[static_cast<std::size_t>(places)];
  const double scaled = x * scale;
  // A scaled value past 2^52 has no digits left to round: keep x as it is.
  if (!(std::fabs(scaled) < kNoFraction)) return x;
  return RoundToEvenInteger(scaled) / scale;
}

double Floor(double x) noexcept {
  return std::floor(x);
}

std::int32_t ToInt32(double x) noexcept {
  if (std::isnan(x)) return 0;
  const double rounded = RoundToEvenInteger(x);
  if (rounded <= static_cast<double>(std::numeric_limits<std::int32_t>::min())) {
    return std::numeric_limits<std::int32_t>::min();
  }
  if (rounded >= static_cast<double>(std::numeric_limits<std::int32_t>::max())) {
    return std::numeric_limits<std::int32_t>::max();
  }
  return static_cast<std::int32_t>(rounded);
}

}  // namespace lumiq
