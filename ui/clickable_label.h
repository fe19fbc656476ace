// A label that reports a click: a press and release of the left button on it.
#pragma once

#include <QLabel>

namespace lumiq {

class ClickableLabel : public QLabel {
  Q_OBJECT

 public:
  ClickableLabel(const QString& text, QWidget* parent);

  // True when something listens to its clicks (only the credit label's are routed).
  bool LeadsSomewhere() const;

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool m_pressed = false;
};

}  // namespace lumiq
