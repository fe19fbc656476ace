// Binds the window's widgets to the form model: user edits and clicks go to
// the model, and every model change shows in its widget at once.
#pragma once

#include <QObject>
#include <QWidget>

#include "form/form_model.h"
#include "ui/form_widgets.h"
#include "view/edit_echo.h"

namespace lumiq {

class FormBinding : public QObject, public FormObserver {
 public:
  // Shows the model's current state in the window's widgets and starts
  // mirroring. The widgets must outlive the binding; the window owns it.
  FormBinding(FormModel& model, QWidget& window, const FormWidgets& widgets);
  ~FormBinding() override;
  FormBinding(const FormBinding&) = delete;
  FormBinding& operator=(const FormBinding&) = delete;

  void OnTextChanged(Field field, const std::string& text) override;
  void OnEnabledChanged(Field field, bool enabled) override;
  void OnEnabledChanged(Control control, bool enabled) override;
  void OnInvisibleShownChanged(bool shown) override;
  void OnSwatchColorChanged(ColorRef color) override;

 private:
  // Shows the model's text in the box, which is then no edit.
  void Mirror(ElidingLineEdit& box, const std::string& text);

  FormModel& m_model;
  FormWidgets m_widgets;
  EditEcho m_echo;
  bool m_mirroring = false;
};

}  // namespace lumiq
