// A model driven headlessly, as a test or a window would drive it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "form/form_model.h"

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
class RecordingObserver : public FormObserver {
 public:
  std::vector<std::string> events;

  void OnTextChanged(Field field, const std::string& text) override {
    events.push_back("text " + Name(field) + "=" + text);
  }
  void OnEnabledChanged(Field field, bool enabled) override {
    events.push_back((enabled ? "enable " : "disable ") + Name(field));
  }
  void OnEnabledChanged(Control control, bool enabled) override {
    events.push_back((enabled ? "enable " : "disable ") + Name(control));
  }
  void OnInvisibleShownChanged(bool shown) override {
    events.push_back(shown ? "show Invisible" : "hide Invisible");
  }
  void OnSwatchColorChanged(ColorRef color) override {
    events.push_back("color " + std::to_string(color));
  }

  static std::string Name(Field field) { return std::string(NameOf(field)); }
  static std::string Name(Control control) { return std::string(NameOf(control)); }
};

}  // namespace lumiq::testing_support
