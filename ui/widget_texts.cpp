#include "ui/widget_texts.h"

#include <QStringList>

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
  const QString toolTip = ToQString(texts.toolTip);
  if (!box.TextIsClipped()) {
    // Most keystrokes leave a box unclipped: nothing to tell anyone then.
    if (box.toolTip() != toolTip) box.setToolTip(toolTip);
    if (!box.accessibleDescription().isEmpty()) box.setAccessibleDescription(QString());
    return;
  }
  // Rich text with the value escaped, so a typed "<b>" shows as written; the
  // whole text in bold, as what the box cannot show.
  QString tip;
  for (const ClippedPart part : kClippedToolTip) {
    tip += part == ClippedPart::Text
               ? QStringLiteral("<p><b>%1</b></p>").arg(box.text().toHtmlEscaped())
               : QStringLiteral("<p>%1</p>").arg(toolTip.toHtmlEscaped());
  }
  box.setToolTip(tip);
  QStringList description;
  for (const ClippedPart part : kClippedAccessibleDescription) {
    description << (part == ClippedPart::Text ? box.text() : toolTip);
  }
  box.setAccessibleDescription(description.join(QLatin1Char('\n')));
}

}  // namespace lumiq
