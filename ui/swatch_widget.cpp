#include "ui/swatch_widget.h"

#include <QPainter>

namespace lumiq {

SwatchWidget::SwatchWidget(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void SwatchWidget::SetFill(const QColor& color, const QString& spoken) {
  // A screen reader hears the colour, as a sighted user sees it.
  setAccessibleDescription(spoken);
  if (color == m_fill) return;
  m_fill = color;
  update();
}

void SwatchWidget::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::WindowText));
  // One device-independent pixel of outline, the rest solid fill.
  painter.fillRect(rect().adjusted(1, 1, -1, -1), m_fill);
}

}  // namespace lumiq
