// A rectangle filled solidly with one colour, outlined by one pixel in the
// window-text colour.
#pragma once

#include <QColor>
#include <QWidget>

namespace lumiq {

class SwatchWidget : public QWidget {
  Q_OBJECT

 public:
  explicit SwatchWidget(QWidget* parent = nullptr);

  // Fills it with `color`, which a screen reader hears as `spoken`.
  void SetFill(const QColor& color, const QString& spoken);
  QColor Fill() const { return m_fill; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor m_fill = Qt::black;
};

}  // namespace lumiq
