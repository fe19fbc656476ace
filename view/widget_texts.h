// What the views say about the widgets beyond their captions: the names a
// screen reader speaks and the tooltips that say what each box expects.
#pragma once

#include <span>
#include <string_view>

namespace lumiq {

struct WidgetText {
  std::string_view name;            // the widget's control name
  std::string_view accessibleName;  // from the caption that labels the widget
  std::string_view toolTip;         // empty for a label
};

std::span<const WidgetText> AllWidgetTexts() noexcept;

// The texts of the named widget, or nullptr when it has none.
const WidgetText* WidgetTextsOf(std::string_view name) noexcept;

}  // namespace lumiq
