// Where every widget of the window sits, what it says and how it looks.
// Lengths are twips: 15 twips make one device-independent pixel.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace lumiq {

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kClientWidthTwips = 4245;   // 283 px
inline constexpr int kClientHeightTwips = 4560;  // 304 px

enum class WidgetKind { TextBox, Button, Label, Frame, Swatch };

// A widget's container; frames place children from their outer corner.
enum class Container { Window, Frame1, Extra };

enum class FontStyle {
  Regular,    // 8.25 pt
  Large,      // 12 pt
  Bold,       // 8.25 pt bold
  LargeBold,  // 18 pt bold
};

struct FontRow {
  FontStyle style;
  double points;
  bool bold;
};

// The size and weight of each style: "MS Sans Serif" at 8.25 points unless
// said otherwise.
const FontRow& FontOf(FontStyle style) noexcept;

// MS Sans Serif where it is installed, else the nearest free stand-ins, in
// order of preference (the first ones have Arial's metrics).
inline constexpr std::array<std::string_view, 5> kFontFamilies = {
    "MS Sans Serif", "Liberation Sans", "Arimo", "Nimbus Sans", "DejaVu Sans"};

struct WidgetRow {
  std::string_view name;  // the widget's objectName
  WidgetKind kind;
  Container in;
  std::string_view caption;  // label, button or frame caption; empty for text boxes
  int left, top, width, height;
  int tab;  // position in the keyboard focus order; -1 for the swatch
  FontStyle font;
  bool wraps;  // only the efficacy note wraps its caption
};

// Every widget in creation order: frames before the text boxes that lie
// inside them, so those boxes are drawn above the frames.
extern const std::array<WidgetRow, 26> kWidgets;

}  // namespace lumiq
