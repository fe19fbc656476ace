// A label whose caption wraps only at blanks, as in "be- tween": hyphens and
// slashes stay where the caption's author put them, mid-line or at an end.
#pragma once

#include <QFontMetrics>
#include <QStringList>

#include "ui/clickable_label.h"

namespace lumiq {

// Greedy line breaking at spaces: each line holds as many words as fit in
// `width` pixels; a word wider than that stands alone on its line.
QStringList WrapAtSpaces(const QString& text, const QFontMetrics& metrics, int width);

class WrappedLabel : public ClickableLabel {
  Q_OBJECT

 public:
  using ClickableLabel::ClickableLabel;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace lumiq
