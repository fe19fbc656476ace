#include "ui/lumiq_window.h"

#include <QIcon>
#include <QTimer>

#include "ui/copy_menu.h"
#include "ui/form_binding.h"
#include "ui/qt_text.h"
#include "ui/title_bar.h"
#include "ui/widget_factory.h"
#include "ui/widget_texts.h"
#include "view/layout_table.h"
#include "view/widget_texts.h"

// The icon lives in this static library; naming its resource here keeps the
// linker from dropping it.
static void InitResources() {
  Q_INIT_RESOURCE(lumiq);
}

namespace lumiq {
namespace {

// The LED icon, pre-rendered from its SVG: decoding a PNG needs no plugin,
// where the SVG engine would cost start-up time and memory.
QIcon AppIcon() {
  QIcon icon;
  for (const int size : {16, 32, 48, 64}) {
    icon.addFile(QStringLiteral(":/lumiq/icons/lumiq-%1.png").arg(size), QSize(size, size));
  }
  return icon;
}

}  // namespace

LumiqWindow::LumiqWindow(FormModel& model, QWidget* parent) : QWidget(parent) {
  setObjectName(ToQString(NameOf(Container::Window)));
  setWindowTitle(ToQString(kWindowTitle));
  setFixedSize(kClientWidth, kClientHeight);
  // Its size is fixed: no window manager, nor a title bar Qt draws itself, is
  // asked to offer maximizing.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  InitResources();
  setWindowIcon(AppIcon());
  const FormWidgets widgets = BuildWidgets(*this);
  DescribeWidgets(widgets);
  new FormBinding(model, *this, widgets);  // owned by the window
  new DisabledBoxCopyMenu(*this, widgets);
  // Focus starts on the first enabled widget in tab order.
  widgets.Of(kFirstFocus).setFocus();
}

void LumiqWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // Whether Qt draws the title bar is known once the show is processed.
  QTimer::singleShot(0, this, [this] { FitTitleToDrawnTitleBar(*this, ToQString(kWindowTitle)); });
}

}  // namespace lumiq
