#include "form/contact.h"

#include <string>

namespace lumiq {

void ShowContactMessage(FormModel& model) {
  std::string text = "Encounted an error? Please mail:";
  text.push_back('\r');  // the message box breaks the line here
  text.append(kContactAddress);
  model.ShowMessage(text);
}

}  // namespace lumiq
