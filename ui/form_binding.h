// Binds the window's widgets to the form model: user edits and clicks go to
// the model, and every model change shows in its widget at once.
#pragma once

#include <QObject>
#include <QWidget>
#include <array>

#include "form/form_model.h"

class QAbstractButton;
class QLabel;
class QLineEdit;

namespace lumiq {

class ClickableLabel;
class ElidingLineEdit;
class SwatchWidget;

class FormBinding : public QObject, public FormObserver {
 public:
  // Finds the widgets under `window` by their control names, shows the
  // model's current state in them and starts mirroring.
  FormBinding(FormModel& model, QWidget& window);
  ~FormBinding() override;
  FormBinding(const FormBinding&) = delete;
  FormBinding& operator=(const FormBinding&) = delete;

  void OnTextChanged(Field field, const std::string& text) override;
  void OnEnabledChanged(Field field, bool enabled) override;
  void OnEnabledChanged(Control control, bool enabled) override;
  void OnInvisibleShownChanged(bool shown) override;
  void OnSwatchColorChanged(ColorRef color) override;

 private:
  ElidingLineEdit* Box(Field field) const { return m_boxes[static_cast<std::size_t>(field)]; }

  FormModel& m_model;
  std::array<ElidingLineEdit*, kFieldCount> m_boxes{};
  std::array<QWidget*, kControlCount> m_controls{};
  QLabel* m_invisible = nullptr;
  SwatchWidget* m_swatch = nullptr;
};

}  // namespace lumiq
