#include "ui/clickable_label.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMetaMethod>
#include <QMouseEvent>

namespace lumiq {
namespace {

// A label as a screen reader meets it: its caption as its name (unless it has
// one of its own) and, when its clicks lead somewhere, a press action, since
// it takes no keyboard focus and a screen-reader user cannot click it.
class AccessibleClickableLabel : public QAccessibleWidget {
 public:
  explicit AccessibleClickableLabel(ClickableLabel* label)
      : QAccessibleWidget(label, QAccessible::StaticText) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) {
      return Label()->text();
    }
    return QAccessibleWidget::text(kind);
  }

  QStringList actionNames() const override {
    QStringList names = QAccessibleWidget::actionNames();
    if (Label()->LeadsSomewhere()) {
      names << pressAction();
    }
    return names;
  }

  void doAction(const QString& name) override {
    if (name == pressAction() && actionNames().contains(name)) {
      // After the request is answered, as a button's press is: the click may
      // show a modal message, and the screen reader waits for the answer.
      QMetaObject::invokeMethod(
          Label(), [label = Label()] { emit label->clicked(); }, Qt::QueuedConnection);
      return;
    }
    QAccessibleWidget::doAction(name);
  }

 private:
  ClickableLabel* Label() const { return static_cast<ClickableLabel*>(widget()); }
};

QAccessibleInterface* AccessibleFactory(const QString& className, QObject* object) {
  if (className == QLatin1String(ClickableLabel::staticMetaObject.className()) &&
      object->isWidgetType()) {
    return new AccessibleClickableLabel(static_cast<ClickableLabel*>(object));
  }
  return nullptr;
}

}  // namespace

ClickableLabel::ClickableLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  static const bool installed = (QAccessible::installFactory(AccessibleFactory), true);
  Q_UNUSED(installed);
}

bool ClickableLabel::LeadsSomewhere() const {
  return isSignalConnected(QMetaMethod::fromSignal(&ClickableLabel::clicked));
}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
  m_pressed = event->button() == Qt::LeftButton;
  QLabel::mousePressEvent(event);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
  // Like a button: releasing outside the label cancels the click.
  const bool click = m_pressed && event->button() == Qt::LeftButton &&
                     rect().contains(event->position().toPoint());
  m_pressed = false;
  QLabel::mouseReleaseEvent(event);
  if (click) emit clicked();
}

}  // namespace lumiq
