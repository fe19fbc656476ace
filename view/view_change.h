// The model's changes as one kind of record, by the layout row of what
// changed: what the page's engine, its start recorder and the tests take.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

#include "core/color_ref.h"
#include "form/form_model.h"
#include "view/edit_echo.h"

namespace lumiq {

enum class ChangeKind { Text, Enabled, Shown, Color };

struct ViewChange {
  ChangeKind kind;
  std::size_t row;          // the layout row of what changed
  std::string_view text;    // Text: the new text; Color: how it is spoken
  bool on = false;          // Enabled, Shown: the new flag; Text: the echo of an edit
  ColorRef color = kBlack;  // Color: the new colour
};

// An observer that hands on each change as a record; the record's views are
// valid during the call only.
class ViewChangeObserver : public FormObserver {
 public:
  // Hands the user's edit to the model; its echo is reported as such.
  void Edit(FormModel& model, Field field, std::string text) {
    m_echo.Forward(model, field, std::move(text));
  }

  void OnTextChanged(Field field, const std::string& text) final;
  void OnEnabledChanged(Field field, bool enabled) final;
  void OnEnabledChanged(Control control, bool enabled) final;
  void OnInvisibleShownChanged(bool shown) final;
  void OnSwatchColorChanged(ColorRef color) final;

 protected:
  virtual void OnViewChange(const ViewChange& change) = 0;

 private:
  EditEcho m_echo;
};

}  // namespace lumiq
