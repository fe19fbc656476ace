// Which handler answers which event. Every event the program handles is
// listed here; all others are ignored.
#pragma once

#include "form/form_model.h"

namespace lumiq {

using Handler = void (*)(FormModel&);

// The change handler of a field, or nullptr when a change only stores the text.
[[nodiscard]] Handler ChangeHandlerOf(Field field) noexcept;

// The click handler of a control; every control has one.
[[nodiscard]] Handler ClickHandlerOf(Control control) noexcept;

}  // namespace lumiq
