// The credit label's contact message.
#pragma once

#include <string_view>

#include "form/form_model.h"

namespace lumiq {

// The one place the contact address is kept.
inline constexpr std::string_view kContactAddress = "lumiq@example.org";

// Shows "Encounted an error? Please mail:", a line break and the address.
void ShowContactMessage(FormModel& model);

}  // namespace lumiq
