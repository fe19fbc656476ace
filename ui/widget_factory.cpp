#include "ui/widget_factory.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <limits>
#include <utility>
#include <vector>

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

QWidget* CreateWidget(const WidgetRow& row, QWidget* parent) {
  const QString caption = ToQString(row.caption);
  switch (row.kind) {
    case WidgetKind::Frame:
      return new QGroupBox(caption, parent);
    case WidgetKind::Button: {
      auto* button = new QPushButton(caption, parent);
      button->setAutoDefault(false);  // Enter and Escape do nothing special
      button->setDefault(false);
      return button;
    }
    case WidgetKind::Label: {
      // Any label can report clicks; only the credit label's are routed.
      auto* label =
          row.wraps ? new WrappedLabel(caption, parent) : new ClickableLabel(caption, parent);
      label->setTextFormat(Qt::PlainText);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      return label;
    }
    case WidgetKind::TextBox: {
      auto* box = new ElidingLineEdit(parent);
      box->setMaxLength(std::numeric_limits<int>::max());  // text of any length
      box->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
      // Opaque, so a keystroke repaints the box alone and not the frame and
      // captions behind it.
      box->setAutoFillBackground(true);
      // Greyed when disabled, yet readable: 5.5:1 on the disabled background.
      QPalette palette = box->palette();
      palette.setColor(
          QPalette::Disabled, QPalette::Text,
          QColor(kDisabledTextColor.red, kDisabledTextColor.green, kDisabledTextColor.blue));
      box->setPalette(palette);
      return box;
    }
    case WidgetKind::Swatch:
      return new SwatchWidget(parent);
  }
  return nullptr;
}

// Frames come before their children in the table, so they exist by then.
QWidget* ContainerOf(const WidgetRow& row, QWidget& window) {
  if (row.in == Container::Window) return &window;
  return window.findChild<QGroupBox*>(ToQString(NameOf(row.in)), Qt::FindDirectChildrenOnly);
}

}  // namespace

void BuildWidgets(QWidget& window) {
  std::vector<std::pair<int, QWidget*>> focusable;
  for (const WidgetRow& row : kWidgets) {
    QWidget* widget = CreateWidget(row, ContainerOf(row, window));
    widget->setObjectName(ToQString(row.name));
    widget->setGeometry(ToQRect(PixelsOf(row)));
    widget->setFont(FontFor(row.font));
    if (widget->focusPolicy() != Qt::NoFocus) focusable.emplace_back(row.tab, widget);
  }
  std::sort(focusable.begin(), focusable.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 1; i < focusable.size(); ++i) {
    QWidget::setTabOrder(focusable[i - 1].second, focusable[i].second);
  }
}

}  // namespace lumiq
