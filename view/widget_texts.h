// What the views say beyond the captions: the names a screen reader speaks,
// the tooltips that say what each box expects, and how a message reads.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace lumiq {

struct WidgetText {
  std::string_view name;            // the widget's control name
  std::string_view accessibleName;  // from the caption that labels the widget
  std::string_view toolTip;         // empty for a label
  bool announced = false;           // a result: read out when the model writes it
};

[[nodiscard]] std::span<const WidgetText> AllWidgetTexts() noexcept;

// The texts of the named widget, or nullptr when it has none.
[[nodiscard]] const WidgetText* WidgetTextsOf(std::string_view name) noexcept;

// A message as a view shows it: the model breaks its lines with a carriage
// return, which views show as a line feed. Allocates the result.
[[nodiscard]] std::string MessageLines(std::string_view message);

}  // namespace lumiq
