#include "ui/lumiq_window.h"

#include "ui/form_binding.h"
#include "ui/layout_table.h"
#include "ui/qt_text.h"
#include "ui/widget_factory.h"

namespace lumiq {

LumiqWindow::LumiqWindow(FormModel& model, QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Lumiq"));
  setWindowTitle(QStringLiteral("LED utility for light conversion"));
  setFixedSize(kClientWidthTwips / kTwipsPerPixel, kClientHeightTwips / kTwipsPerPixel);
  BuildWidgets(*this);
  new FormBinding(model, *this);  // owned by the window
  // Focus starts on the first enabled widget in tab order.
  if (QWidget* first = findChild<QWidget*>(ToQString(NameOf(Control::C_mlm)))) {
    first->setFocus();
  }
}

}  // namespace lumiq
