// What the window says about its widgets beyond their captions: the names a
// screen reader speaks and the tooltips that say what each box expects.
#pragma once

#include "ui/form_widgets.h"
#include "view/widget_texts.h"

namespace lumiq {

// Sets the accessible name and tooltip of every widget that has them.
void DescribeWidgets(const FormWidgets& widgets);

// After the box's text changed: when the text is wider than the box, its
// tooltip adds the whole text, in the order the views share, and its
// accessible description is the whole text, so a clipped result can still be
// read in full; otherwise they are as DescribeWidgets set them.
void DescribeClippedText(ElidingLineEdit& box, const WidgetText& texts);

}  // namespace lumiq
