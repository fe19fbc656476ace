// The one rule for an edit in progress, which both views follow: the model's
// report of the very text the user just typed into a box is the edit's echo,
// and a view does not write it back. The box shows it already; writing it
// again would move the caret and drop the undo history.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "form/form_model.h"

namespace lumiq {

class EditEcho {
 public:
  // Hands the user's edit of `field` to the model; while the model takes it,
  // its report of that text for that field is the echo.
  void Forward(FormModel& model, Field field, std::string text);

  // Whether a report of `text` for `field` echoes the edit being forwarded.
  [[nodiscard]] bool IsEcho(Field field, std::string_view text) const noexcept {
    return m_field == field && m_text == text;
  }

 private:
  std::optional<Field> m_field;
  std::string m_text;
};

}  // namespace lumiq
