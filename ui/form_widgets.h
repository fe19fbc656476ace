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

struct FormWidgets {
  std::array<QWidget*, kWidgetCount> rows{};  // every widget, by its layout row
  std::array<ElidingLineEdit*, kFieldCount> boxes{};
  std::array<QPushButton*, kControlCount> buttons{};  // the credit's slot stays empty
  ClickableLabel* credit = nullptr;
  QLabel* invisible = nullptr;
  SwatchWidget* swatch = nullptr;

  [[nodiscard]] QWidget& Of(const WidgetRow& row) const { return *rows[IndexOf(row)]; }
  [[nodiscard]] ElidingLineEdit& Box(Field field) const {
    return *boxes[static_cast<std::size_t>(field)];
  }
  [[nodiscard]] QWidget& Of(Control control) const { return Of(RowOf(control)); }
};

}  // namespace lumiq
