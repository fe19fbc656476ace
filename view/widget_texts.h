// What the views say beyond the captions and each row's texts: how a
// clipped box is described and how a message reads.
#pragma once

#include <array>
#include <string>
#include <string_view>

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

// What describes a box whose text is clipped, in this order: the whole text,
// then the box's own tooltip. Each view joins them its own way.
enum class ClippedPart { Text, ToolTip };
inline constexpr std::array<ClippedPart, 2> kClippedDescription = {ClippedPart::Text,
                                                                   ClippedPart::ToolTip};

// A message as a view shows it: the model breaks its lines with a carriage
// return, which views show as a line feed. Allocates the result.
[[nodiscard]] std::string MessageLines(std::string_view message);

}  // namespace lumiq
