#include "ui/widget_factory.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <limits>
#include <variant>

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

// Each widget is created as the type its part needs and kept in its typed
// slot: the layout table is checked at compile time to give every box,
// button, swatch and frame the part of its kind, so no slot is left empty.
class Builder {
 public:
  explicit Builder(QWidget& window) {
    m_containers[static_cast<std::size_t>(Container::Window)] = &window;
  }

  // Creates the row's widget, named, placed and in its font, and keeps it.
  QWidget* Add(const WidgetRow& row) {
    QWidget* widget = Create(row, ToQString(row.caption));
    widget->setObjectName(ToQString(NameOf(row)));
    widget->setGeometry(ToQRect(PixelsOf(row)));
    widget->setFont(FontFor(row.font));
    return m_widgets.rows[IndexOf(row)] = widget;
  }

  const FormWidgets& Widgets() const { return m_widgets; }

 private:
  QWidget* Create(const WidgetRow& row, const QString& caption) {
    QWidget* parent = m_containers[static_cast<std::size_t>(row.in)];
    switch (KindOf(row)) {
      case WidgetKind::Frame: {
        auto* frame = new QGroupBox(caption, parent);
        // Beneath the boxes that lie on it, whatever their order.
        frame->lower();
        m_containers[static_cast<std::size_t>(std::get<Container>(row.part))] = frame;
        return frame;
      }
      case WidgetKind::Button:
        return m_widgets.buttons[static_cast<std::size_t>(std::get<Control>(row.part))] =
                   CreateButton(caption, parent);
      case WidgetKind::Link:
        return m_widgets.credit = Align(new ClickableLabel(caption, parent));
      case WidgetKind::Label: {
        QLabel* label =
            Align(row.wraps ? new WrappedLabel(caption, parent) : new QLabel(caption, parent));
        if (std::holds_alternative<Indicator>(row.part)) m_widgets.invisible = label;
        return label;
      }
      case WidgetKind::TextBox:
        return m_widgets.boxes[static_cast<std::size_t>(std::get<Field>(row.part))] =
                   CreateBox(parent);
      case WidgetKind::Swatch:
        return m_widgets.swatch = new SwatchWidget(parent);
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

  FormWidgets m_widgets;
  std::array<QWidget*, kContainerCount> m_containers{};  // by Container; frames precede their rows
};

}  // namespace

FormWidgets BuildWidgets(QWidget& window) {
  Builder builder(window);
  for (const WidgetRow& row : kWidgets) builder.Add(row);
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

}  // namespace lumiq
