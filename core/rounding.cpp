#include "core/rounding.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <limits>

namespace lumiq {
namespace {

// 10^n for n in 0..22: every one of them is exact in a double.
constexpr std::array<double, 23> kPowersOfTen = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                 1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Beyond this magnitude a double has no fractional bits.
constexpr double kNoFraction = 4503599627370496.0;  // 2^52

// Half-to-even rounding to an integer, written out from floor and an exact
// fraction so that it needs neither std::nearbyint nor the current mode.
double RoundToEvenInteger(double y) {
  const double magnitude = std::fabs(y);
  if (!(magnitude < kNoFraction)) return y;
  double whole = std::floor(magnitude);
  const double fraction = magnitude - whole;  // exact for magnitude < 2^52
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
  return std::copysign(whole, y);
}

}  // namespace

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
