#include "ui/copy_menu.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>

#include "ui/eliding_line_edit.h"

namespace lumiq {

QMenu* CreateCopyMenu(QLineEdit& box, QWidget* parent) {
  auto* menu = new QMenu(parent);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  QAction* copy = menu->addAction(QObject::tr("&Copy"));
  copy->setShortcut(QKeySequence::Copy);
  QPointer<QLineEdit> source(&box);
  QObject::connect(copy, &QAction::triggered, menu, [source] {
    if (source) QApplication::clipboard()->setText(source->text());
  });
  return menu;
}

DisabledBoxCopyMenu::DisabledBoxCopyMenu(QWidget& window, const FormWidgets& widgets)
    : QObject(&window) {
  // A disabled widget ignores the request, yet its event filters see it first.
  for (const Field field : kAllFields) widgets.Box(field).installEventFilter(this);
}

bool DisabledBoxCopyMenu::eventFilter(QObject* watched, QEvent* event) {
  auto* box = qobject_cast<QLineEdit*>(watched);
  if (event->type() != QEvent::ContextMenu || box == nullptr || box->isEnabled()) return false;
  auto* request = static_cast<QContextMenuEvent*>(event);
  CreateCopyMenu(*box, box->window())->popup(request->globalPos());
  return true;
}

}  // namespace lumiq
