// What the window says about its widgets beyond their captions: the names a
// screen reader speaks and the tooltips that say what each box expects.
#pragma once

#include <QLineEdit>
#include <QWidget>

namespace lumiq {

class ElidingLineEdit;

// Sets the accessible name and tooltip of every widget under `window` that
// has them, found by control name.
void DescribeWidgets(QWidget& window);

// After the box's text changed: when the text is wider than the box, its
// tooltip and accessible description add the whole text, so a clipped result
// can still be read in full; otherwise they are as DescribeWidgets set them.
void DescribeClippedText(ElidingLineEdit& box);

}  // namespace lumiq
