// Intensity and flux of an LED whose light fills a cone evenly:
// flux = intensity x solid angle of the cone.
#pragma once

#include <optional>

namespace lumiq {

// The program's pi: the double nearest 3.1415926536, not the double nearest pi.
// Every converted number depends on it in its last digits.
inline constexpr double kPi = 3.1415926536;

// Solid angle in steradians of a cone with the given full apex angle in
// degrees: 2 pi (1 - cos(apex / 2)), evaluated one IEEE operation at a time in
// a fixed order with a correctly rounded cosine, so that the result is the
// same to the last bit on every platform.
// The caller checks the range (0, 360); below about 1.2e-6 degrees it is 0.
[[nodiscard]] double SolidAngleFromApex(double apexDegrees) noexcept;

// Flux in millilumen from intensity in millicandela: mcd x sr rounded half to
// even to one decimal place. Empty when the product is not finite.
[[nodiscard]] std::optional<double> IntensityToFlux(double mcd, double sr) noexcept;

// Intensity in millicandela from flux in millilumen: mlm / sr rounded half to
// even to one decimal place. Empty when the quotient is not finite (sr == 0
// included).
[[nodiscard]] std::optional<double> FluxToIntensity(double mlm, double sr) noexcept;

}  // namespace lumiq
