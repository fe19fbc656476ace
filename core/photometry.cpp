#include "core/photometry.h"

#include <cmath>

#include "core/correct_cosine.h"
#include "core/rounding.h"

namespace lumiq {
namespace {

std::optional<double> RoundedToTenths(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  return RoundHalfEven(value, 1);
}

}  // namespace

double SolidAngleFromApex(double apexDegrees) noexcept {
  // Each step is one rounding, in this order; reordering changes the last bits.
  const double a = kPi / 360.0;
  const double b = a * apexDegrees;  // half the apex angle, in radians
  const double c = CorrectlyRoundedCos(b);
  const double d = 1.0 - c;
  const double e = 2.0 * kPi;
  return e * d;
}

std::optional<double> IntensityToFlux(double mcd, double sr) noexcept {
  return RoundedToTenths(mcd * sr);
}

std::optional<double> FluxToIntensity(double mlm, double sr) noexcept {
  return RoundedToTenths(mlm / sr);
}

}  // namespace lumiq
