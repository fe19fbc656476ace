#include "ui/widget_factory.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <limits>
#include <optional>

#include "ui/clickable_label.h"
#include "ui/eliding_line_edit.h"
#include "ui/fonts.h"
#include "ui/qt_text.h"
#include "ui/swatch_widget.h"
#include "ui/wrapped_label.h"
#include "view/layout_table.h"

namespace lumiq {
namespace {

QRect ToQRect(const PixelRect& pixels) {
  return QRect(pixels.left, pixels.top, pixels.width, pixels.height);
}

// Each widget is created as the class its kind needs and kept by its row;
// a frame's row precedes the rows inside it, so a container is always built.
class Builder {
 public:
  explicit Builder(QWidget& window) : m_window(window) {}

  // Creates the row's widget, named, placed and in its font, and keeps it.
  void Add(const WidgetRow& row) {
    QWidget* widget = Create(row, ToQString(row.caption), Container(row.in));
    widget->setObjectName(ToQString(NameOf(row)));
    widget->setGeometry(ToQRect(PixelsOf(row)));
    widget->setFont(FontFor(row.font));
    m_widgets.rows[IndexOf(row)] = widget;
  }

  const FormWidgets& Widgets() const { return m_widgets; }

 private:
  QWidget* Container(lumiq::Container in) const {
    const std::optional<std::size_t> frame = RowIndexOf(in);
    return frame ? m_widgets.rows[*frame] : &m_window;
  }

  static QWidget* Create(const WidgetRow& row, const QString& caption, QWidget* parent) {
    switch (KindOf(row)) {
      case PartKind::Frame: {
        auto* frame = new QGroupBox(caption, parent);
        // Beneath the boxes that lie on it, whatever their order.
        frame->lower();
        return frame;
      }
      case PartKind::Button:
        return CreateButton(caption, parent);
      case PartKind::Link:
        return Align(new ClickableLabel(caption, parent));
      case PartKind::Label:
        return Align(row.wraps ? new WrappedLabel(caption, parent) : new QLabel(caption, parent));
      case PartKind::Box:
        return CreateBox(parent);
      case PartKind::Swatch:
        return new SwatchWidget(parent);
    }
    return nullptr;
  }

  static QPushButton* CreateButton(const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setAutoDefault(false);  // Enter and Escape do nothing special
    button->setDefault(false);
    return button;
  }

  template <typename Label>
  static Label* Align(Label* label) {
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
  }

  static ElidingLineEdit* CreateBox(QWidget* parent) {
    auto* box = new ElidingLineEdit(parent);
    box->setMaxLength(std::numeric_limits<int>::max());  // text of any length
    box->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Opaque, so a keystroke repaints the box alone and not the frame and
    // captions behind it.
    box->setAutoFillBackground(true);
    return box;
  }

  QWidget& m_window;
  FormWidgets m_widgets;
};

}  // namespace

FormWidgets BuildWidgets(QWidget& window) {
  Builder builder(window);
  for (const WidgetRow& row : kWidgets) builder.Add(row);
  // Boxes above the captions that touch them: a box is opaque, so a
  // keystroke then repaints the box alone, not the caption with it.
  for (const Field field : kAllFields) builder.Widgets().Box(field).raise();
  // The rows' visiting order; of it, only boxes and buttons take the focus.
  QWidget* previous = nullptr;
  for (const WidgetRow& row : kWidgets) {
    QWidget* widget = &builder.Widgets().Of(row);
    if (widget->focusPolicy() == Qt::NoFocus) continue;
    if (previous != nullptr) QWidget::setTabOrder(previous, widget);
    previous = widget;
  }
  return builder.Widgets();
}

// The classes Builder::Create makes for each kind.
ElidingLineEdit& FormWidgets::Box(Field field) const {
  return static_cast<ElidingLineEdit&>(Of(field));
}
QPushButton& FormWidgets::Button(Control control) const {
  return static_cast<QPushButton&>(Of(control));
}
ClickableLabel& FormWidgets::Credit() const {
  return static_cast<ClickableLabel&>(Of(Control::Label4));
}
QLabel& FormWidgets::Invisible() const {
  return static_cast<QLabel&>(Of(Indicator::Invisible));
}
SwatchWidget& FormWidgets::Swatch() const {
  return static_cast<SwatchWidget&>(Of(Indicator::Color));
}

}  // namespace lumiq
