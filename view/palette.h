// The colours both views draw with: the one rule for a greyed (disabled)
// box's text, and the page's two colour schemes, to which it is applied.
#pragma once

#include <array>
#include <string_view>

namespace lumiq {

// (Not Rgb: the core's colour estimate has that name, with double components.)
struct Rgb8 {
  int red, green, blue;
  friend constexpr bool operator==(const Rgb8&, const Rgb8&) = default;
};

// How far apart two colours read, as WCAG measures it: from 1 (the same
// luminance) to 21 (black on white).
[[nodiscard]] double ContrastRatio(Rgb8 a, Rgb8 b) noexcept;

// What greyed text is made to keep: WCAG's 4.5:1 for body text (AA), and a
// margin for small text, whose antialiased strokes seldom reach full colour.
inline constexpr double kGreyedTextContrast = 5.0;

// The text of a greyed box, from the palette it is drawn in: the palette's
// text colour taken part of the way towards the box's background, as far as
// still reads at kGreyedTextContrast or more; the text colour itself where
// even that reads worse. So it looks greyed under any theme, light or dark.
[[nodiscard]] Rgb8 GreyedText(Rgb8 text, Rgb8 background) noexcept;

// A scheme of the page: its form's background (also a greyed box's) and
// text, and the ends of a button's shading; greyed text on either follows
// GreyedText.
struct PageScheme {
  std::string_view name;  // "light", "dark": the prefers-color-scheme value
  Rgb8 window, windowText;
  Rgb8 buttonTop, buttonBottom;
};
inline constexpr std::array<PageScheme, 2> kPageSchemes = {{
    {"light", {0xef, 0xef, 0xef}, {0x00, 0x00, 0x00}, {0xfa, 0xfa, 0xfa}, {0xe4, 0xe4, 0xe4}},
    {"dark", {0x2d, 0x2d, 0x2d}, {0xe8, 0xe8, 0xe8}, {0x40, 0x40, 0x40}, {0x34, 0x34, 0x34}},
}};

// A greyed button's text: greyed against the end of its shading that reads
// worse with the text.
[[nodiscard]] Rgb8 GreyedButtonText(const PageScheme& scheme) noexcept;

}  // namespace lumiq
