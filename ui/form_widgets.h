// Every widget of the window, typed and indexed by the model's parts and by
// layout row: how the rest of the window reaches a widget, with no lookup by
// name that could fail at run time.
#pragma once

#include <QWidget>
#include <array>

#include "form/controls.h"
#include "view/layout_table.h"

class QPushButton;
class QLabel;

namespace lumiq {

class ClickableLabel;
class ElidingLineEdit;
class SwatchWidget;

// The builder makes each row's widget as the class its kind needs (the
// layout table gives every part a row of its kind, checked at compile time),
// so a part's widget is reached as that class.
struct FormWidgets {
  std::array<QWidget*, kWidgetCount> rows{};  // every widget, by its layout row

  [[nodiscard]] QWidget& Of(const WidgetRow& row) const { return *rows[IndexOf(row)]; }
  template <typename Key>
  [[nodiscard]] QWidget& Of(Key key) const {
    return *rows[RowIndexOf(key)];
  }
  [[nodiscard]] ElidingLineEdit& Box(Field field) const;
  [[nodiscard]] QPushButton& Button(Control control) const;  // not the credit, a link
  [[nodiscard]] ClickableLabel& Credit() const;
  [[nodiscard]] QLabel& Invisible() const;
  [[nodiscard]] SwatchWidget& Swatch() const;
};

}  // namespace lumiq
