// A model driven headlessly, as a test or a window would drive it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "form/form_model.h"
#include "view/layout_table.h"
#include "view/view_change.h"

namespace lumiq::testing_support {

// Builds a model whose messages are recorded instead of shown, together with
// whether Calculate was still enabled while each one was up.
struct FormDriver {
  std::vector<std::string> messages;
  std::vector<bool> calculateEnabledAtMessage;
  FormModel model{[this](std::string_view text) {
    messages.emplace_back(text);
    calculateEnabledAtMessage.push_back(model.IsEnabled(Control::Calculate));
  }};

  void Type(Field field, std::string text) { model.SetText(field, std::move(text)); }
  void Click(Control control) { model.Click(control); }
};

// Records every notification as one line, in order.
class RecordingObserver : public ViewChangeObserver {
 public:
  std::vector<std::string> events;

 protected:
  void OnViewChange(const ViewChange& change) override {
    const std::string name(NameOf(kWidgets[change.row]));
    switch (change.kind) {
      case ChangeKind::Text:
        events.push_back("text " + name + "=" + std::string(change.text) +
                         (change.on ? " (echo)" : ""));
        break;
      case ChangeKind::Enabled:
        events.push_back((change.on ? "enable " : "disable ") + name);
        break;
      case ChangeKind::Shown:
        events.push_back((change.on ? "show " : "hide ") + name);
        break;
      case ChangeKind::Color:
        events.push_back("color " + std::to_string(change.color));
        break;
    }
  }
};

}  // namespace lumiq::testing_support
