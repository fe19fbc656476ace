#include "view/palette.h"

#include <algorithm>
#include <cmath>

namespace lumiq {
namespace {

// An sRGB component's linear light, as WCAG 2 defines relative luminance.
double Linear(int component) {
  const double c = component / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(Rgb8 color) {
  return 0.2126 * Linear(color.red) + 0.7152 * Linear(color.green) + 0.0722 * Linear(color.blue);
}

int Mix(int from, int to, int sixteenths) {
  // To the nearest, halves up, in whole numbers: the same on every platform.
  const int scaled = from * (16 - sixteenths) + to * sixteenths;
  return (scaled + 8) / 16;
}

// How far towards the background greyed text goes at most: 7/16 of the way.
constexpr int kFurthestSixteenths = 7;

}  // namespace

double ContrastRatio(Rgb8 a, Rgb8 b) noexcept {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Rgb8 GreyedText(Rgb8 text, Rgb8 background) noexcept {
  for (int sixteenths = kFurthestSixteenths; sixteenths > 0; --sixteenths) {
    const Rgb8 greyed{Mix(text.red, background.red, sixteenths),
                      Mix(text.green, background.green, sixteenths),
                      Mix(text.blue, background.blue, sixteenths)};
    if (ContrastRatio(greyed, background) >= kGreyedTextContrast) return greyed;
  }
  return text;
}

Rgb8 GreyedButtonText(const PageScheme& scheme) noexcept {
  const Rgb8 text = scheme.windowText;
  const bool topReadsWorse =
      ContrastRatio(text, scheme.buttonTop) < ContrastRatio(text, scheme.buttonBottom);
  return GreyedText(text, topReadsWorse ? scheme.buttonTop : scheme.buttonBottom);
}

}  // namespace lumiq
