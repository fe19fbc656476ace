// Rounding to decimal places and to whole numbers, as the handlers apply it to
// values read from field text. Like the rest of the core, these assume the
// default floating-point rounding mode (to nearest), which Lumiq never changes.
#pragma once

#include <cstdint>

namespace lumiq {

// x rounded to `places` decimal places (0..22), ties to even, decided on the
// scaled value x * 10^places (so 0.35 to one place is 0.4, as its text
// suggests). The result is the double nearest that decimal. Values with no
// fractional digits at that place (every |x| >= 2^52, including 1e308), and
// non-finite values, come back unchanged. `places` outside 0..22 is clamped.
// Does not allocate or throw.
[[nodiscard]] double RoundHalfEven(double x, int places) noexcept;

// Largest integer not greater than x (toward minus infinity).
[[nodiscard]] double Floor(double x) noexcept;

// Nearest integer, ties to even; saturates at the int32 limits, NaN gives 0.
[[nodiscard]] std::int32_t ToInt32(double x) noexcept;

}  // namespace lumiq
