#include "ui/widget_texts.h"

#include "ui/eliding_line_edit.h"
#include "ui/qt_text.h"

namespace lumiq {

void DescribeWidgets(const FormWidgets& widgets) {
  for (const WidgetRow& row : kWidgets) {
    const WidgetText& texts = row.texts;
    QWidget& widget = widgets.Of(row);
    if (!texts.accessibleName.empty()) widget.setAccessibleName(ToQString(texts.accessibleName));
    if (!texts.toolTip.empty()) widget.setToolTip(ToQString(texts.toolTip));
  }
}

void DescribeClippedText(ElidingLineEdit& box, const WidgetText& texts) {
  const bool clipped = box.TextIsClipped();
  const QString toolTip = ToQString(texts.toolTip);
  box.setAccessibleDescription(clipped ? box.text() : QString());
  if (!clipped) {
    box.setToolTip(toolTip);
    return;
  }
  // Rich text with the value escaped, so a typed "<b>" shows as written; the
  // whole text in bold, as what the box cannot show.
  QString description;
  for (const ClippedPart part : kClippedDescription) {
    description += part == ClippedPart::Text
                       ? QStringLiteral("<p><b>%1</b></p>").arg(box.text().toHtmlEscaped())
                       : QStringLiteral("<p>%1</p>").arg(toolTip.toHtmlEscaped());
  }
  box.setToolTip(description);
}

}  // namespace lumiq
