// The estimated colour of light of one wavelength: a piecewise-linear
// rainbow over 370..700 nm, black outside it.
#pragma once

#include "core/color_ref.h"

namespace lumiq {

// Components as computed, 0..255 but not necessarily whole (the violet
// band's red is not floored; packing rounds it).
struct Rgb {
  double r = 0;
  double g = 0;
  double b = 0;
};

struct ColorEstimate {
  Rgb rgb;
  bool outOfRange = false;  // below 370 or above 700 nm: black, and warned
};

// The colour of wavelength w in nanometres, by the first of five bands that
// matches. Does not allocate or throw; w must not be NaN.
[[nodiscard]] ColorEstimate EstimateColor(double w) noexcept;

// ToInt32((R + 256 G) + 65536 B), added in that order, so a half in R rounds
// to even.
[[nodiscard]] ColorRef PackColor(const Rgb& rgb) noexcept;

}  // namespace lumiq
