#include "ui/clickable_label.h"

#include <QMouseEvent>

namespace lumiq {

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
