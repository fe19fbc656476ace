// Number text: how a field's text is judged, read, rounded and written back.
//
// Every number in Lumiq lives as text in a field, so these few functions decide
// what the user sees. None of them reads the process locale, the floating-point
// environment or any other global state.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lumiq {

// The accepted grammar, on the bytes exactly as given (nothing is trimmed or
// normalised first):
//   blanks* [+|-] (digits [. digits*] | . digits) [(e|E) [+|-] digits] blanks*
// where a blank is a space or a horizontal tab and digits are ASCII 0-9.
// Not numeric: anything else (words, "inf", "nan", hexadecimal, digit-group
// separators, a decimal comma, non-ASCII digits), and any text whose value the
// double cannot hold: beyond the largest finite double (1e400) or non-zero but
// below the smallest subnormal (1e-400). Zero written with any exponent is 0.
// Does not allocate or throw.
std::optional<double> ParseNumericText(std::string_view text) noexcept;

// True when ParseNumericText accepts the text. Does not allocate or throw.
bool IsNumericText(std::string_view text) noexcept;

// The value of numeric text, correctly rounded to the nearest double (ties to
// even); always finite. Throws std::invalid_argument for text that
// IsNumericText rejects.
double TextToDouble(std::string_view text);

// The display form of a finite value: rounded to 15 significant digits (ties
// to even, on the exact value of the double), trailing zeros and a bare point
// dropped, full stop as decimal point, ASCII minus, negative zero as "0".
// Plain notation when the rounded value's decimal exponent lies in -4..14
// (0.0001 up to 999999999999999); otherwise mantissa, 'E', sign and at least
// two exponent digits ("1.23456789012346E+20", "1E-07"). Non-finite values
// give the empty text. Allocates the result only.
std::string DoubleToText(double value);

// x rounded to `places` decimal places (0..22), ties to even, decided on the
// scaled value x * 10^places (so 0.35 to one place is 0.4, as its text
// suggests). The result is the double nearest that decimal. Values with no
// fractional digits at that place (every |x| >= 2^52, including 1e308), and
// non-finite values, come back unchanged. `places` outside 0..22 is clamped.
// Independent of the floating-point rounding mode. Does not throw.
double RoundHalfEven(double x, int places) noexcept;

// Largest integer not greater than x (toward minus infinity).
double Floor(double x) noexcept;

// Nearest integer, ties to even; saturates at the int32 limits, NaN gives 0.
std::int32_t ToInt32(double x) noexcept;

}  // namespace lumiq
