#include "ui/widget_texts.h"

#include "ui/eliding_line_edit.h"
#include "ui/qt_text.h"
#include "view/widget_texts.h"

namespace lumiq {

void DescribeWidgets(QWidget& window) {
  for (const WidgetText& text : AllWidgetTexts()) {
    QWidget* widget = window.findChild<QWidget*>(ToQString(text.name));
    if (widget == nullptr) continue;
    widget->setAccessibleName(ToQString(text.accessibleName));
    if (!text.toolTip.empty()) widget->setToolTip(ToQString(text.toolTip));
  }
}

void DescribeClippedText(ElidingLineEdit& box) {
  const bool clipped = box.TextIsClipped();
  const WidgetText* texts = WidgetTextsOf(box.objectName().toStdString());
  const QString toolTip = texts != nullptr ? ToQString(texts->toolTip) : QString();
  box.setAccessibleDescription(clipped ? box.text() : QString());
  if (!clipped) {
    box.setToolTip(toolTip);
    return;
  }
  // Rich text with the value escaped, so a typed "<b>" shows as written.
  box.setToolTip(QStringLiteral("<p>%1</p><p><b>%2</b></p>")
                     .arg(toolTip.toHtmlEscaped(), box.text().toHtmlEscaped()));
}

}  // namespace lumiq
