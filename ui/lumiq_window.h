// The program's single window: the layout bound to a form model.
#pragma once

#include <QWidget>

#include "form/form_model.h"

namespace lumiq {

class LumiqWindow : public QWidget {
 public:
  // The model must outlive the window.
  explicit LumiqWindow(FormModel& model, QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* event) override;
};

}  // namespace lumiq
