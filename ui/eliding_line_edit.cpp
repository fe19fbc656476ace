#include "ui/eliding_line_edit.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

#include "view/palette.h"

namespace lumiq {
namespace {

// QLineEdit draws its text this far inside its contents rectangle.
constexpr int kHorizontalMargin = 2;
constexpr int kVerticalMargin = 1;

Rgb8 ToRgb8(const QColor& color) {
  return {color.red(), color.green(), color.blue()};
}

}  // namespace

ElidingLineEdit::ElidingLineEdit(QWidget* parent) : QLineEdit(parent) {
  GreyTextForPalette();
}

bool ElidingLineEdit::TextIsClipped() const {
  // Measured once per text and room, not at every repaint; the text may be
  // asked about before the box has said that it changed.
  const QString shown = text();
  if (!m_measured || shown != m_measuredText) {
    m_measuredText = shown;
    m_clipped = fontMetrics().horizontalAdvance(shown) > TextRoom().width();
    m_measured = true;
  }
  return m_clipped;
}

void ElidingLineEdit::GreyTextForPalette() {
  QPalette shades = palette();
  const Rgb8 greyed = GreyedText(ToRgb8(shades.color(QPalette::Active, QPalette::Text)),
                                 ToRgb8(shades.color(QPalette::Disabled, QPalette::Base)));
  const QColor color(greyed.red, greyed.green, greyed.blue);
  // Setting it changes the palette again; the second time there is nothing to do.
  if (shades.color(QPalette::Disabled, QPalette::Text) == color) return;
  shades.setColor(QPalette::Disabled, QPalette::Text, color);
  setPalette(shades);
}

void ElidingLineEdit::changeEvent(QEvent* event) {
  QLineEdit::changeEvent(event);
  switch (event->type()) {
    case QEvent::PaletteChange:
      // A new theme while running (light to dark) brings new text and base colours.
      GreyTextForPalette();
      break;
    case QEvent::FontChange:
    case QEvent::StyleChange:
      m_measured = false;
      break;
    default:
      break;
  }
}

void ElidingLineEdit::resizeEvent(QResizeEvent* event) {
  QLineEdit::resizeEvent(event);
  m_measured = false;
}

QRect ElidingLineEdit::TextRoom() const {
  QStyleOptionFrame panel;
  initStyleOption(&panel);
  const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &panel, this);
  return contents.marginsRemoved(textMargins())
      .adjusted(kHorizontalMargin, kVerticalMargin, -kHorizontalMargin, -kVerticalMargin);
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
