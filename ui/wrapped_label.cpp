#include "ui/wrapped_label.h"

#include <QPainter>
#include <QStyle>

namespace lumiq {

QStringList WrapAtSpaces(const QString& text, const QFontMetrics& metrics, int width) {
  QStringList lines;
  QString line;
  for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
    if (!line.isEmpty() && metrics.horizontalAdvance(candidate) > width) {
      lines.append(line);
      line = word;
    } else {
      line = candidate;
    }
  }
  if (!line.isEmpty()) lines.append(line);
  return lines;
}

void WrappedLabel::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const QRect area = contentsRect();
  const QFontMetrics metrics = fontMetrics();
  int y = area.top();
  for (const QString& line : WrapAtSpaces(text(), metrics, area.width())) {
    if (y >= area.bottom()) break;
    style()->drawItemText(&painter, QRect(area.left(), y, area.width(), metrics.height()),
                          Qt::AlignLeft | Qt::AlignTop, palette(), isEnabled(), line,
                          foregroundRole());
    y += metrics.lineSpacing();
  }
}

}  // namespace lumiq
