#include "view/edit_echo.h"

#include <utility>

namespace lumiq {

void EditEcho::Forward(FormModel& model, Field field, std::string text) {
  m_field = field;
  m_text = text;
  // Forgotten however SetText ends: a later report is never taken for it.
  struct Forget {
    EditEcho& echo;
    ~Forget() { echo.m_field.reset(); }
  } forget{*this};
  model.SetText(field, std::move(text));
}

}  // namespace lumiq
