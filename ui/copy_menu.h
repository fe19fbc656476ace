// Right-click on a text box the user cannot edit offers Copy of its whole
// text: the converted value and the readouts are what the user came for.
#pragma once

#include <QObject>

#include "ui/form_widgets.h"

class QLineEdit;
class QMenu;
class QWidget;

namespace lumiq {

// A menu with one action, "Copy", that puts the box's whole text on the
// clipboard. It neither focuses nor enables the box.
QMenu* CreateCopyMenu(QLineEdit& box, QWidget* parent);

// Watches every text box of the window: a context-menu request on a disabled
// one pops up the copy menu; enabled ones keep Qt's usual editing menu.
class DisabledBoxCopyMenu : public QObject {
 public:
  DisabledBoxCopyMenu(QWidget& window, const FormWidgets& widgets);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace lumiq
