// Where every widget of the window sits, what it says and how it looks.
// Lengths are twips: 15 twips make one device-independent pixel.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
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

// A widget's container; frames place children from their outer corner.
enum class Container { Window, Frame1, Extra };

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

// The captions were laid out for MS Sans Serif; other families run wider.
// Both views condense every caption by one common factor, just enough that
// each on one line fits its width and the wrapped note its height, and never
// narrower than this, in percent: past it a caption is clipped rather than
// made unreadable.
inline constexpr int kNarrowestCaptionPercent = 70;

// MS Sans Serif where it is installed, else the nearest free stand-ins, in
// order of preference (the first ones have Arial's metrics).
inline constexpr std::array<std::string_view, 5> kFontFamilies = {
    "MS Sans Serif", "Liberation Sans", "Arimo", "Nimbus Sans", "DejaVu Sans"};

// What a row shows: a part of the model, a frame, or nothing (a plain label).
using Part = std::variant<std::monostate, Field, Control, Indicator, Container>;

// What a view says of a widget beyond its caption.
struct WidgetText {
  // The name a screen reader speaks: a box's or the swatch's, or how a label
  // whose caption reads badly (line-break hyphens) is read; empty: the
  // caption names the widget.
  std::string_view accessibleName = {};
  std::string_view toolTip = {};  // empty: none
  bool announced = false;         // a result: read out when the model writes it
};

struct WidgetRow {
  Part part;
  std::string_view label;  // a plain label's name; any other row is named by its part
  Container in;
  std::string_view caption;  // label, button or frame caption; empty for text boxes
  int left, top, width, height;
  FontStyle font;
  bool wraps;  // only the efficacy note wraps its caption
  WidgetText texts = {};
};

// Every widget, in the order both views visit them: the window's tab chain is
// the rows that take the focus, in this order, and the page's document order
// is the whole list. A frame comes before what lies inside it. Every part of
// the model has exactly one row, of its kind (checked where it is defined).
inline constexpr std::size_t kWidgetCount = 26;
extern const std::array<WidgetRow, kWidgetCount> kWidgets;

// How a row is drawn (a model part's kind, a plain label's or a frame's), and
// its control name ("mcd", "Frame1", "Label9").
[[nodiscard]] PartKind KindOf(const WidgetRow& row) noexcept;
[[nodiscard]] std::string_view NameOf(const WidgetRow& row) noexcept;

// A row's place in the table, the number both views and the page's engine
// know a widget by: each part's, and each frame's (nothing for the window,
// which has no row).
[[nodiscard]] std::size_t RowIndexOf(Field field) noexcept;
[[nodiscard]] std::size_t RowIndexOf(Control control) noexcept;
[[nodiscard]] std::size_t RowIndexOf(Indicator indicator) noexcept;
[[nodiscard]] std::optional<std::size_t> RowIndexOf(Container container) noexcept;
template <typename Key>
[[nodiscard]] const WidgetRow& RowOf(Key key) noexcept {
  return kWidgets[RowIndexOf(key)];
}
// A row's place, found by its part and name, so a copy of a row is found
// too; kWidgetCount for a row that is not the table's.
[[nodiscard]] std::size_t IndexOf(const WidgetRow& row) noexcept;
// The part of that type a row shows; nothing for any other row, or a number
// past the table.
template <typename Key>
[[nodiscard]] std::optional<Key> PartAt(std::size_t row) noexcept {
  if (row >= kWidgetCount) return std::nullopt;
  const Key* key = std::get_if<Key>(&kWidgets[row].part);
  return key ? std::optional<Key>(*key) : std::nullopt;
}

// A row's place in pixels, relative to its container.
struct PixelRect {
  int left, top, width, height;
};
[[nodiscard]] constexpr PixelRect PixelsOf(const WidgetRow& row) noexcept {
  return {ToPixels(row.left), ToPixels(row.top), ToPixels(row.width), ToPixels(row.height)};
}

// Where the keyboard focus starts: the first enabled widget in tab order.
inline constexpr Control kFirstFocus = Control::C_mlm;

}  // namespace lumiq
