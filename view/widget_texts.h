// What the views say beyond the captions and each row's texts: the titles,
// how a clipped box is described, how the swatch's colour is spoken and how
// a message reads.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/color_ref.h"
#include "form/controls.h"
#include "view/layout_table.h"

namespace lumiq {

// The texts of each part of the model, from its row.
[[nodiscard]] inline const WidgetText& TextsOf(Field field) noexcept {
  return RowOf(field).texts;
}
[[nodiscard]] inline const WidgetText& TextsOf(Indicator indicator) noexcept {
  return RowOf(indicator).texts;
}

// The window's title, which the page takes as its own, and a message's.
inline constexpr std::string_view kWindowTitle = "LED utility for light conversion";
inline constexpr std::string_view kMessageTitle = "Lumiq";

// What describes a box whose text is clipped: its tooltip is the whole text,
// then the box's own tooltip; what a screen reader hears as its description
// is the whole text. Each view joins the parts its own way; a box that is not
// clipped has its own tooltip and no description.
enum class ClippedPart { Text, ToolTip };
inline constexpr std::array<ClippedPart, 2> kClippedToolTip = {ClippedPart::Text,
                                                               ClippedPart::ToolTip};
inline constexpr std::array<ClippedPart, 1> kClippedAccessibleDescription = {ClippedPart::Text};

// How a screen reader hears the swatch's colour: "RGB 127, 229, 0".
[[nodiscard]] std::string SpokenColor(ColorRef color);

// A message as a view shows it: the model breaks its lines with a carriage
// return, which views show as a line feed. Allocates the result.
[[nodiscard]] std::string MessageLines(std::string_view message);

}  // namespace lumiq
