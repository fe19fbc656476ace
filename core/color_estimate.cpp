#include "core/color_estimate.h"

#include <array>

#include "core/rounding.h"

namespace lumiq {
namespace {

double CapAt255(double x) {
  return x > 255.0 ? 255.0 : x;
}

// Each formula keeps the operation order of the colour table: the last bits
// decide where Floor lands.
double Zero(double) {
  return 0.0;
}
double Full(double) {
  return 255.0;
}
double OrangeRed(double w) {
  return CapAt255(Floor(((w - 525.0) * 255.0) / 50.0));
}
double OrangeGreen(double w) {
  return Floor(255.0 - ((w - 525.0) * 255.0) / 250.0);
}
double CyanGreen(double w) {
  return CapAt255(Floor(((w - 440.0) * 255.0) / 60.0));
}
double CyanBlue(double w) {
  return Floor(255.0 - ((w - 440.0) * 255.0) / 105.0);
}
double VioletRed(double w) {
  return ((w - 440.0) * 3.0) / -1.0;
}

struct Band {
  double low;
  bool lowIncluded;
  double high;
  bool highIncluded;
  double (*red)(double);
  double (*green)(double);
  double (*blue)(double);

  bool Contains(double w) const {
    return (lowIncluded ? w >= low : w > low) && (highIncluded ? w <= high : w < high);
  }
};

// The visible bands in the order they are tested; the first match wins, so
// 625 is pure red and 525 and 440 belong to the bands below them.
constexpr std::array<Band, 4> kVisibleBands = {{
    {625.0, true, 700.0, true, &Full, &Zero, &Zero},
    {525.0, false, 625.0, true, &OrangeRed, &OrangeGreen, &Zero},
    {440.0, false, 525.0, true, &Zero, &CyanGreen, &CyanBlue},
    {370.0, true, 440.0, true, &VioletRed, &Zero, &Full},
}};

}  // namespace

ColorEstimate EstimateColor(double w) noexcept {
  if (w > 700.0 || w < 370.0) return ColorEstimate{Rgb{}, true};
  for (const Band& band : kVisibleBands) {
    if (band.Contains(w))
      return ColorEstimate{Rgb{band.red(w), band.green(w), band.blue(w)}, false};
  }
  return ColorEstimate{};  // only NaN gets here
}

ColorRef PackColor(const Rgb& rgb) noexcept {
  return ToInt32((rgb.r + 256.0 * rgb.g) + 65536.0 * rgb.b);
}

}  // namespace lumiq
