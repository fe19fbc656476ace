#include "form/form_model.h"

#include <algorithm>
#include <utility>

#include "form/event_table.h"

namespace lumiq {
namespace {

constexpr std::size_t Index(Control c) {
  return static_cast<std::size_t>(c);
}

}  // namespace

FormModel::FormModel(MessageSink showMessage) : m_showMessage(std::move(showMessage)) {
  for (const Field field : kAllFields) {
    m_fields[PartIndex(field)] = {std::string(PartOf(field).startText), PartOf(field).startEnabled};
  }
  for (const Control control : kAllControls) {
    m_controlEnabled[Index(control)] = PartOf(control).startEnabled;
  }
  m_invisibleShown = PartOf(Indicator::Invisible).startEnabled;
}

bool FormModel::IsEnabled(Control c) const {
  return m_controlEnabled[Index(c)];
}

template <typename Notify>
void FormModel::NotifyObservers(Notify notify) {
  for (FormObserver* observer : m_observers) notify(*observer);
}

void FormModel::SetText(Field f, std::string text) {
  FieldState& state = State(f);
  if (state.text == text) return;
  state.text = std::move(text);
  NotifyObservers([&](FormObserver& o) { o.OnTextChanged(f, state.text); });
  if (const Handler onChange = ChangeHandlerOf(f)) onChange(*this);
}

void FormModel::Click(Control c) {
  if (!IsEnabled(c)) return;
  ClickHandlerOf(c)(*this);
}

void FormModel::SetEnabled(Field f, bool enabled) {
  FieldState& state = State(f);
  if (state.enabled == enabled) return;
  state.enabled = enabled;
  NotifyObservers([&](FormObserver& o) { o.OnEnabledChanged(f, enabled); });
}

void FormModel::SetEnabled(Control c, bool enabled) {
  // A link reacts to every click; it has no disabled state.
  if (PartOf(c).kind == PartKind::Link || m_controlEnabled[Index(c)] == enabled) return;
  m_controlEnabled[Index(c)] = enabled;
  NotifyObservers([&](FormObserver& o) { o.OnEnabledChanged(c, enabled); });
}

void FormModel::SetInvisibleShown(bool shown) {
  if (m_invisibleShown == shown) return;
  m_invisibleShown = shown;
  NotifyObservers([&](FormObserver& o) { o.OnInvisibleShownChanged(shown); });
}

void FormModel::SetSwatchColor(ColorRef color) {
  if (m_swatchColor == color) return;
  m_swatchColor = color;
  NotifyObservers([&](FormObserver& o) { o.OnSwatchColorChanged(color); });
}

void FormModel::ShowMessage(std::string_view text) const {
  if (m_showMessage) m_showMessage(text);
}

void FormModel::Replay(FormObserver& observer) const {
  for (const Field field : kAllFields) {
    observer.OnTextChanged(field, Text(field));
    observer.OnEnabledChanged(field, IsEnabled(field));
  }
  for (const Control control : kAllControls) observer.OnEnabledChanged(control, IsEnabled(control));
  observer.OnInvisibleShownChanged(InvisibleShown());
  observer.OnSwatchColorChanged(SwatchColor());
}

void FormModel::AddObserver(FormObserver* observer) {
  if (observer &&
      std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end()) {
    m_observers.push_back(observer);
  }
}

void FormModel::RemoveObserver(FormObserver* observer) {
  std::erase(m_observers, observer);
}

}  // namespace lumiq
