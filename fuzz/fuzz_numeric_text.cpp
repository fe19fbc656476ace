// Any bytes as field text: judging, reading, rounding and printing agree.
#include <fast_float/fast_float.h>
#include <fmt/format.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "core/numeric_text.h"
#include "core/rounding.h"
#include "fuzz/fuzz_check.h"

namespace {

using namespace lumiq;
using lumiq::fuzz::Check;

// Past this magnitude a value's 15-digit text may lie beyond the double range.
constexpr double kPrintsBeyondRange = 1.797693134862315e308;

// The value rounded to 15 significant digits, by {fmt}'s exact printing and
// fast_float's reading alone.
double RoundedTo15Digits(double value) {
  std::array<char, 40> buffer{};
  const auto printed = fmt::format_to_n(buffer.data(), buffer.size(), "{:.14e}", value);
  double back = 0;
  fast_float::from_chars(buffer.data(), printed.out, back);
  return back;
}

void CheckPrinted(double value) {
  const std::string text = DoubleToText(value);
  const auto back = ParseNumericText(text);
  if (std::fabs(value) >= kPrintsBeyondRange && !back) return;
  Check(back.has_value(), "the text of a finite value is numeric");
  Check(*back == RoundedTo15Digits(value), "the text reads back as the 15-digit value");
  Check(text.find_first_not_of("0123456789.-+E") == std::string::npos,
        "only digits, point, sign, E");
}

void CheckRounded(double value) {
  for (const int places : {0, 1}) {
    const double rounded = RoundHalfEven(value, places);
    Check(std::isfinite(rounded), "rounding a finite value stays finite");
    CheckPrinted(rounded);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (IsNumericText(text)) {
    const double value = TextToDouble(text);
    Check(std::isfinite(value), "accepted text converts to a finite double");
    CheckPrinted(value);
    CheckRounded(value);
  } else {
    Check(!ParseNumericText(text).has_value(), "rejected text does not parse");
    Check(std::isnan(TextToDouble(text)), "rejected text converts to no number");
  }
  // The same bytes as a double's bits, to reach every exponent and sign.
  if (size >= sizeof(double)) {
    double value = 0;
    std::memcpy(&value, data, sizeof value);
    if (std::isfinite(value)) {
      CheckPrinted(value);
      CheckRounded(value);
    }
  }
  return 0;
}
