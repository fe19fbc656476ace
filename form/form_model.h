// The headless model of the Lumiq window: every field, flag and colour, the
// conversion direction, and the routing of clicks and text changes to their
// handlers. A window only forwards user actions here and mirrors what its
// observers are told; a test drives it the same way without any window.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/color_ref.h"
#include "form/controls.h"

namespace lumiq {

enum class ConversionDirection : std::int16_t {
  None = 0,
  IntensityToFlux = 1,
  FluxToIntensity = 2
};

// What the model holds of each part: a box's text, and whether a box or
// button is enabled or a label shown.
struct PartState {
  std::string text;
  bool enabled = false;
};

// Told of every change of the model's visible state as it happens, after the
// new value is stored and before the field's change handler runs. Only real
// changes are reported: a write of the value already held is silent.
class FormObserver {
 public:
  virtual ~FormObserver() = default;
  virtual void OnTextChanged(Field /*field*/, const std::string& /*text*/) {}
  virtual void OnEnabledChanged(Field /*field*/, bool /*enabled*/) {}
  virtual void OnEnabledChanged(Control /*control*/, bool /*enabled*/) {}
  virtual void OnInvisibleShownChanged(bool /*shown*/) {}
  virtual void OnSwatchColorChanged(ColorRef /*color*/) {}
};

class FormModel {
 public:
  // Receives each message; the handler that shows it continues when it returns.
  using MessageSink = std::function<void(std::string_view)>;

  // Builds the model with its initial values and attaches the handlers.
  explicit FormModel(MessageSink showMessage);
  FormModel(const FormModel&) = delete;
  FormModel& operator=(const FormModel&) = delete;

  [[nodiscard]] const std::string& Text(Field f) const { return m_parts[f].text; }
  [[nodiscard]] bool IsEnabled(Field f) const { return m_parts[f].enabled; }
  [[nodiscard]] bool IsEnabled(Control c) const { return m_parts[c].enabled; }
  [[nodiscard]] bool InvisibleShown() const { return m_parts[Indicator::Invisible].enabled; }
  [[nodiscard]] ColorRef SwatchColor() const { return m_swatchColor; }

  // Stores the text; when it differs from the text held, tells the observers
  // and runs the field's change handler once, before returning. A user's edit
  // and a handler's write are the same operation.
  void SetText(Field f, std::string text);

  // Runs the control's click handler; a click on a disabled control is ignored.
  void Click(Control c);

  // Used by the handlers. They store a flag or colour and raise no change event.
  void SetEnabled(Field f, bool enabled);
  void SetEnabled(Control c, bool enabled);
  void SetInvisibleShown(bool shown);
  void SetSwatchColor(ColorRef color);

  // Hands the text to the message sink and returns when it does.
  void ShowMessage(std::string_view text) const;

  // Tells the observer the whole current state, as if each part had just
  // changed to it: how a view that starts late catches up. A link, always
  // live, has no enabled state to tell.
  void Replay(FormObserver& observer) const;

  // The observer must outlive its registration; do not add or remove
  // observers from inside a notification.
  void AddObserver(FormObserver* observer);
  void RemoveObserver(FormObserver* observer);

  ConversionDirection chosen = ConversionDirection::None;

 private:
  template <typename Notify>
  void NotifyObservers(Notify notify);
  // Stores the flag; true when it changed.
  template <typename Key>
  bool StoreEnabled(Key key, bool enabled);

  ByPart<PartState> m_parts;
  ColorRef m_swatchColor = kBlack;
  MessageSink m_showMessage;
  std::vector<FormObserver*> m_observers;
};

}  // namespace lumiq
