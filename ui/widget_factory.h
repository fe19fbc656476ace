// Builds the window's widgets from the layout table.
#pragma once

#include <QWidget>

#include "ui/form_widgets.h"

namespace lumiq {

// Creates every widget of the layout table under `window`, named, placed,
// captioned and in keyboard focus order, and returns them typed. The widgets
// show no model state yet.
[[nodiscard]] FormWidgets BuildWidgets(QWidget& window);

}  // namespace lumiq
