#include "core/numeric_text.h"

#include <fast_float/fast_float.h>
// GCC 14 alone warns of a write before a buffer's start inside {fmt}'s
// fixed-precision writer, a path the sanitizer builds run without a fault:
// silenced for {fmt}'s own code only.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Warray-bounds"
#endif
#include <fmt/compile.h>
#include <fmt/format.h>
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

#include <array>
#include <cmath>
#include <iterator>
#include <limits>
#include <system_error>

namespace lumiq {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Decimal exponents this far inside the double range (1e-308 .. 1.8e308) need
// no conversion to know the value fits; the running exponent stops growing
// at the saturation value so that no digit string can overflow it.
constexpr long long kSafeExponent = 300;
constexpr long long kExponentSaturation = 1'000'000'000;

// What one pass over the grammar finds in a text it accepts.
struct Scanned {
  const char* number;  // the first digit or point, after the sign
  const char* end;     // just past the last digit of the number; blanks follow
  bool negative;
  bool allZero;        // every digit of the mantissa is 0
  long long exponent;  // decimal exponent of the first significant digit
};

// The grammar of ParseNumericText, once: both the test and the conversion
// start here.
std::optional<Scanned> Scan(std::string_view text) noexcept {
  const char* p = text.data();
  const char* const end = p + text.size();
  while (p != end && IsBlank(*p)) ++p;
  Scanned s{};
  if (p != end && (*p == '+' || *p == '-')) s.negative = *p++ == '-';
  s.number = p;
  while (p != end && *p == '0') ++p;
  const char* const significant = p;
  while (p != end && IsDigit(*p)) ++p;
  bool anyDigit = p != s.number;
  s.allZero = p == significant;
  s.exponent = (p - significant) - 1;
  if (p != end && *p == '.') {
    const char* const fraction = ++p;
    if (s.allZero) {
      while (p != end && *p == '0') ++p;
      s.exponent = -(p - fraction) - 1;
      s.allZero = p == end || !IsDigit(*p);
    }
    while (p != end && IsDigit(*p)) ++p;
    anyDigit = anyDigit || p != fraction;
  }
  if (!anyDigit) return std::nullopt;

  if (p != end && (*p == 'e' || *p == 'E')) {
    ++p;
    bool negativeExponent = false;
    if (p != end && (*p == '+' || *p == '-')) negativeExponent = *p++ == '-';
    const char* const digits = p;
    long long written = 0;
    for (; p != end && IsDigit(*p); ++p) {
      if (written < kExponentSaturation) written = written * 10 + (*p - '0');
    }
    if (p == digits) return std::nullopt;
    s.exponent += negativeExponent ? -written : written;
  }
  s.end = p;
  for (; p != end; ++p) {
    if (!IsBlank(*p)) return std::nullopt;
  }
  return s;
}

// Whether the exponent alone shows that the value fits the double range.
bool CertainlyInRange(const Scanned& s) {
  return s.allZero || (s.exponent > -kSafeExponent && s.exponent < kSafeExponent);
}

// The correctly rounded value of a scanned number, unless it lies beyond the
// range or rounds to zero.
std::optional<double> Convert(const Scanned& s) noexcept {
  double value = 0.0;
  const auto [last, ec] = fast_float::from_chars(s.number, s.end, value);
  // Beyond the range fast_float 3.9 gives infinity or zero with no error,
  // and later releases say result_out_of_range: both are refused here.
  if (ec != std::errc() || last != s.end || !std::isfinite(value)) return std::nullopt;
  if (value == 0.0 && !s.allZero) return std::nullopt;
  return s.negative ? -value : value;
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
  const std::optional<Scanned> scanned = Scan(text);
  if (!scanned) return std::nullopt;
  return Convert(*scanned);
}

bool IsNumericText(std::string_view text) noexcept {
  const std::optional<Scanned> scanned = Scan(text);
  if (!scanned) return false;
  return CertainlyInRange(*scanned) || Convert(*scanned).has_value();
}

double TextToDouble(std::string_view text) noexcept {
  return ParseNumericText(text).value_or(std::numeric_limits<double>::quiet_NaN());
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
    fmt::format_to(std::back_inserter(out), FMT_COMPILE("{}"), magnitude);  // not printf
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

}  // namespace lumiq
