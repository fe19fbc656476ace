// A line edit that, while it does not have the focus, ends a text too wide for
// it with "…", so that a cut-off result cannot be read as a shorter number.
// Focused, it shows the text itself, to scroll and select; its text() is
// always the whole text, so copying takes all of it. Disabled, its text is
// greyed as both views grey it, readable under any theme.
#pragma once

#include <QLineEdit>

namespace lumiq {

class ElidingLineEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit ElidingLineEdit(QWidget* parent);

  // Whether the text is wider than the room the box gives it.
  bool TextIsClipped() const;

  // What the box draws: the text, or its start and "…" while clipped and
  // without the focus.
  QString ShownText() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QRect TextRoom() const;
  bool Elides() const { return !hasFocus() && TextIsClipped(); }
  // Greys the disabled text by the views' shared rule, from the palette the
  // box is drawn in now.
  void GreyTextForPalette();

  // The last measure of the text's width against the room.
  mutable QString m_measuredText;
  mutable bool m_clipped = false;
  mutable bool m_measured = false;
};

}  // namespace lumiq
