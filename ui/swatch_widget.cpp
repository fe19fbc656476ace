#include "ui/swatch_widget.h"

#include <QPainter>

namespace lumiq {

namespace {

QString Describe(const QColor& color) {
  return QStringLiteral("RGB %1, %2, %3").arg(color.red()).arg(color.green()).arg(color.blue());
}

}  // namespace

SwatchWidget::SwatchWidget(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAccessibleDescription(Describe(m_fill));
}

void SwatchWidget::SetFill(const QColor& color) {
  if (color == m_fill) return;
  m_fill = color;
  // A screen reader hears the colour, as a sighted user sees it.
  setAccessibleDescription(Describe(m_fill));
  update();
}

void SwatchWidget::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::WindowText));
  // One device-independent pixel of outline, the rest solid fill.
  painter.fillRect(rect().adjusted(1, 1, -1, -1), m_fill);
}

}  // namespace lumiq
