// A cosine rounded to the nearest double, so the solid angle comes out the
// same to the last bit whatever C library the program runs on.
#pragma once

namespace lumiq {

// Largest |x| for which CorrectlyRoundedCos is correctly rounded: more than the
// pi (and the slightly larger half-angles just below 360 degrees, with the
// program's pi) that SolidAngleFromApex meets.
inline constexpr double kCorrectCosineLimit = 4.0;

// The double nearest to the exact cosine of x (ties cannot occur) for every
// |x| <= kCorrectCosineLimit; elsewhere, and for NaN, std::cos(x). Evaluates in
// double-double arithmetic and, when that cannot decide the rounding, a
// 256-bit series. Independent of the C library; no FMA
// contraction (the build uses -ffp-contract=off). Does not allocate or throw.
[[nodiscard]] double CorrectlyRoundedCos(double x) noexcept;

namespace detail {
// The slow path alone, exposed for tests: the 256-bit series rounded to nearest,
// for |x| <= kCorrectCosineLimit.
[[nodiscard]] double CosBySeries(double x) noexcept;
}  // namespace detail

}  // namespace lumiq
