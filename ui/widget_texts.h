// What the window says about its widgets beyond their captions: the names a
// screen reader speaks and the tooltips that say what each box expects.
#pragma once

#include <QWidget>

namespace lumiq {

// Sets the accessible name and tooltip of every widget under `window` that
// has them, found by control name.
void DescribeWidgets(QWidget& window);

}  // namespace lumiq
