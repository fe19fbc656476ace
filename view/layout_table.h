// Where every widget of the window sits, what it says and how it looks.
// Lengths are twips: 15 twips make one device-independent pixel.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <variant>

#include "form/controls.h"

namespace lumiq {

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kClientWidthTwips = 4245;   // 283 px
inline constexpr int kClientHeightTwips = 4560;  // 304 px

// Twips to device-independent pixels; every length of the layout is a whole
// number of pixels (checked where the table is defined).
[[nodiscard]] constexpr int ToPixels(int twips) noexcept {
  return twips / kTwipsPerPixel;
}
inline constexpr int kClientWidth = ToPixels(kClientWidthTwips);
inline constexpr int kClientHeight = ToPixels(kClientHeightTwips);

enum class WidgetKind { TextBox, Button, Label, Frame, Swatch };

// A widget's container; frames place children from their outer corner.
enum class Container { Window, Frame1, Extra };
inline constexpr std::size_t kContainerCount = 3;

// The container's control name: the form's own ("Lumiq") or the frame's.
[[nodiscard]] constexpr std::string_view NameOf(Container container) noexcept {
  switch (container) {
    case Container::Frame1:
      return "Frame1";
    case Container::Extra:
      return "Extra";
    case Container::Window:
      break;
  }
  return "Lumiq";
}

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
[[nodiscard]] const FontRow& FontOf(FontStyle style) noexcept;

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
  // How a screen reader reads a label whose caption reads badly (line-break
  // hyphens); empty for the rest, whose texts are keyed by their model part.
  std::string_view spoken = {};
};

// Every widget in creation order: frames before the text boxes that lie
// inside them, so those boxes are drawn above the frames. Every part of the
// model has exactly one row of its kind, and every box, button and swatch row
// is a part of the model (checked at compile time).
inline constexpr std::size_t kWidgetCount = 26;
extern const std::array<WidgetRow, kWidgetCount> kWidgets;

// What a row shows: a part of the model, a frame, or nothing (a plain label).
// Found from the rows' names once, at compile time; every row of a box,
// button, swatch or frame has its part (checked where the table is defined).
using Part = std::variant<std::monostate, Field, Control, Indicator, Container>;
[[nodiscard]] Part PartOf(const WidgetRow& row) noexcept;

// The row of each part, and a row's place in the table.
[[nodiscard]] const WidgetRow& RowOf(Field field) noexcept;
[[nodiscard]] const WidgetRow& RowOf(Control control) noexcept;
[[nodiscard]] const WidgetRow& RowOf(Indicator indicator) noexcept;
[[nodiscard]] inline std::size_t IndexOf(const WidgetRow& row) noexcept {
  return static_cast<std::size_t>(&row - kWidgets.data());
}

// Every row in the order the views visit them: the boxes and buttons in tab
// order, each frame where its first box is, then the rest by tab position,
// and the credit label last. The window's tab chain is the rows that take
// the focus; the page's document order is the whole list.
extern const std::array<const WidgetRow*, kWidgetCount> kTabOrder;

// A row's place in pixels, relative to its container.
struct PixelRect {
  int left, top, width, height;
};
[[nodiscard]] constexpr PixelRect PixelsOf(const WidgetRow& row) noexcept {
  return {ToPixels(row.left), ToPixels(row.top), ToPixels(row.width), ToPixels(row.height)};
}

// Where the keyboard focus starts: the first enabled widget in tab order.
inline constexpr Control kFirstFocus = Control::C_mlm;

// The text colour of a greyed (disabled) box: 5.5:1 on the greyed background
// #EFEFEF, and still lighter than enabled text.
// (Not Rgb: the core's colour estimate has that name, with double components.)
struct Rgb8 {
  int red, green, blue;
};
inline constexpr Rgb8 kDisabledTextColor{0x5f, 0x5f, 0x5f};

}  // namespace lumiq
