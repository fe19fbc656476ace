// Builds the window's widgets from the layout table.
#pragma once

#include <QWidget>

namespace lumiq {

// Creates every widget of the layout table under `window`, named, placed,
// captioned and in keyboard focus order. The widgets show no model state yet.
void BuildWidgets(QWidget& window);

}  // namespace lumiq
