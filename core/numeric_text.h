// Number text: how a field's text is judged, read and written back.
//
// Every number in Lumiq lives as text in a field, so these few functions decide
// what the user sees. None of them reads the process locale, the floating-point
// environment or any other global state.
#pragma once

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
// double cannot hold: beyond the largest finite double (1e400), or non-zero
// but rounding to zero (1e-400; 3e-324 rounds to the smallest subnormal and is
// accepted). Zero written with any exponent is 0. The value is correctly
// rounded to the nearest double (ties to even). Does not allocate or throw.
[[nodiscard]] std::optional<double> ParseNumericText(std::string_view text) noexcept;

// True when ParseNumericText accepts the text: the same scan, converting only
// when the exponent puts the value near the edge of the double range. Does not
// allocate or throw.
[[nodiscard]] bool IsNumericText(std::string_view text) noexcept;

// The value of numeric text, as ParseNumericText gives it; NaN for text that
// IsNumericText rejects, so that no number stands for text that is none.
// Does not allocate or throw.
[[nodiscard]] double TextToDouble(std::string_view text) noexcept;

// The display form of a finite value: rounded to 15 significant digits (ties
// to even, on the exact value of the double), trailing zeros and a bare point
// dropped, full stop as decimal point, ASCII minus, negative zero as "0".
// Plain notation when the rounded value's decimal exponent lies in -4..14
// (0.0001 up to 999999999999999); otherwise mantissa, 'E', sign and at least
// two exponent digits ("1.23456789012346E+20", "1E-07"). Non-finite values
// give the empty text. Allocates the result only.
[[nodiscard]] std::string DoubleToText(double value);

}  // namespace lumiq
