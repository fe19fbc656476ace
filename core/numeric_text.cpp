#include "core/numeric_text.h"

#include <fast_float/fast_float.h>
#include <fmt/compile.h>
#include <fmt/format.h>

#include <array>
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

// The significant digits (without trailing zeros) of a decimal text as {fmt}
// prints it ("-0.00123", "1.5e+20", "2.14100000000000e+02"), and the decimal
// exponent of the first of them.
struct SignificantDigits {
  std::array<char, 24> buffer{};  // never more than 17 digits: no allocation
  std::size_t count = 0;
  int exponent = 0;

  std::string_view digits() const { return {buffer.data(), count}; }
  void push_back(char c) { buffer[count++] = c; }
};

SignificantDigits ReadSignificantDigits(std::string_view text) {
  SignificantDigits out;
  int position = 0;  // of each digit, the point ignored
  int pointAt = -1;
  int firstAt = -1;
  std::size_t i = text.front() == '-' ? 1 : 0;
  for (; i < text.size() && text[i] != 'e'; ++i) {
    if (text[i] == '.') {
      pointAt = position;
      continue;
    }
    if (firstAt < 0 && text[i] != '0') firstAt = position;
    if (firstAt >= 0) out.push_back(text[i]);
    ++position;
  }
  if (pointAt < 0) pointAt = position;
  while (out.count > 1 && out.buffer[out.count - 1] == '0') --out.count;
  int written = 0;
  if (i < text.size()) {
    for (std::size_t k = i + 2; k < text.size(); ++k) written = written * 10 + (text[k] - '0');
    if (text[i + 1] == '-') written = -written;
  }
  out.exponent = pointAt - 1 - firstAt + written;
  return out;
}

// Drops the digits after the 15th, rounding half up (a tie cannot reach here).
void RoundToFifteenDigits(SignificantDigits& decimal) {
  auto& digits = decimal.buffer;
  const bool up = digits[15] >= '5';
  decimal.count = 15;
  if (up) {
    std::size_t i = decimal.count;
    while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
    if (i == 0) {
      digits[0] = '1';
      decimal.count = 1;
      ++decimal.exponent;
    } else {
      ++digits[i - 1];
    }
  }
  while (decimal.count > 1 && digits[decimal.count - 1] == '0') --decimal.count;
}

}  // namespace

std::optional<double> ParseNumericText(std::string_view text) noexcept {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  // After the sign only a digit or a point may start the number. That keeps
  // the parser to plain decimals: no "inf", "nan", or second sign.
  if (i == text.size() || !(IsDigit(text[i]) || text[i] == '.')) return std::nullopt;

  // fast_float reads the longest decimal it can ("1" of "1e", "0" of "0x1"),
  // correctly rounded; only blanks may follow what it read. It gives infinity
  // for values beyond the range and zero for values below it.
  double value = 0.0;
  const char* first = text.data() + i;
  const char* last = text.data() + text.size();
  const auto [end, ec] = fast_float::from_chars(first, last, value);
  if (ec != std::errc() || !std::isfinite(value)) return std::nullopt;
  for (const char* p = end; p != last; ++p) {
    if (!IsBlank(*p)) return std::nullopt;
  }
  // A zero from non-zero digits is an underflow, not the number written.
  if (value == 0.0) {
    for (const char* p = first; p != end && *p != 'e' && *p != 'E'; ++p) {
      if (*p >= '1' && *p <= '9') return std::nullopt;
    }
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

  // Start from Dragonbox's shortest text that reads back as the double: of all
  // the shortest such decimals it is the nearest to the double, so no 15-digit
  // rounding boundary lies between the two and rounding its digits rounds the
  // double. The one exception is a 16-digit text ending in 5, which may be that
  // boundary itself; it, and subnormals (whose shortest text says less than 15
  // digits), are rounded exactly from the double (ties to even).
  // Either form of a double takes at most 24 characters.
  std::array<char, 40> buffer{};
  char* end = fmt::format_to(buffer.data(), FMT_COMPILE("{}"), value);
  SignificantDigits decimal =
      ReadSignificantDigits({buffer.data(), static_cast<std::size_t>(end - buffer.data())});
  const bool boundary = decimal.count == 16 && decimal.buffer[15] == '5';
  if (boundary || std::fabs(value) < std::numeric_limits<double>::min()) {
    end = fmt::format_to(buffer.data(), FMT_COMPILE("{:.14e}"), value);
    decimal = ReadSignificantDigits({buffer.data(), static_cast<std::size_t>(end - buffer.data())});
  } else if (decimal.count > 15) {
    RoundToFifteenDigits(decimal);
  }
  const bool negative = value < 0;
  const std::string_view digits = decimal.digits();
  const int exponent = decimal.exponent;

  std::string out;
  if (negative) out.push_back('-');
  const auto count = static_cast<int>(digits.size());
  if (exponent < -4 || exponent > 14) {
    out.push_back(digits[0]);
    if (count > 1) {
      out.push_back('.');
      out.append(digits.substr(1));
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
      out.append(digits.substr(0, static_cast<std::size_t>(wholeDigits)));
      out.push_back('.');
      out.append(digits.substr(static_cast<std::size_t>(wholeDigits)));
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
