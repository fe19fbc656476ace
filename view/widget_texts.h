// What the views say beyond the captions: the names a screen reader speaks,
// the tooltips that say what each box expects, and how a message reads.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "form/controls.h"
#include "view/layout_table.h"

namespace lumiq {

struct WidgetText {
  std::string_view accessibleName;  // empty: the caption names the widget
  std::string_view toolTip;         // empty: none
  bool announced = false;           // a result: read out when the model writes it
};

// The texts of each part of the model.
[[nodiscard]] const WidgetText& TextsOf(Field field) noexcept;
[[nodiscard]] const WidgetText& TextsOf(Control control) noexcept;
[[nodiscard]] const WidgetText& TextsOf(Indicator indicator) noexcept;
// A row's texts: its part's, or a label's spoken form; none for the rest.
[[nodiscard]] WidgetText TextsOf(const WidgetRow& row) noexcept;

// What describes a box whose text is clipped, in this order: the whole text,
// then the box's own tooltip. Each view joins them its own way.
enum class ClippedPart { Text, ToolTip };
inline constexpr std::array<ClippedPart, 2> kClippedDescription = {ClippedPart::Text,
                                                                   ClippedPart::ToolTip};

// A message as a view shows it: the model breaks its lines with a carriage
// return, which views show as a line feed. Allocates the result.
[[nodiscard]] std::string MessageLines(std::string_view message);

}  // namespace lumiq
