#include "ui/eliding_line_edit.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

namespace lumiq {
namespace {

// QLineEdit draws its text this far inside its contents rectangle.
constexpr int kHorizontalMargin = 2;
constexpr int kVerticalMargin = 1;

}  // namespace

ElidingLineEdit::ElidingLineEdit(QWidget* parent) : QLineEdit(parent) {}

QRect ElidingLineEdit::TextRoom() const {
  QStyleOptionFrame panel;
  initStyleOption(&panel);
  const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &panel, this);
  return contents.marginsRemoved(textMargins())
      .adjusted(kHorizontalMargin, kVerticalMargin, -kHorizontalMargin, -kVerticalMargin);
}

bool ElidingLineEdit::TextIsClipped() const {
  return fontMetrics().horizontalAdvance(text()) > TextRoom().width();
}

QString ElidingLineEdit::ShownText() const {
  if (!Elides()) return text();
  return fontMetrics().elidedText(text(), Qt::ElideRight, TextRoom().width());
}

void ElidingLineEdit::paintEvent(QPaintEvent* event) {
  if (!Elides()) {
    QLineEdit::paintEvent(event);
    return;
  }
  QPainter painter(this);
  QStyleOptionFrame panel;
  initStyleOption(&panel);
  style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
  painter.setPen(
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
  painter.drawText(TextRoom(), Qt::AlignLeft | Qt::AlignVCenter, ShownText());
}

}  // namespace lumiq
