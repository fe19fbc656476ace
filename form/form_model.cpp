#include "form/form_model.h"

#include <algorithm>
#include <utility>

#include "form/event_table.h"

namespace lumiq {

FormModel::FormModel(MessageSink showMessage) : m_showMessage(std::move(showMessage)) {
  for (const PartRow& row : kModelParts) {
    m_parts[row.key] = {std::string(row.startText), row.startEnabled};
  }
}

template <typename Notify>
void FormModel::NotifyObservers(Notify notify) {
  for (FormObserver* observer : m_observers) notify(*observer);
}

template <typename Key>
bool FormModel::StoreEnabled(Key key, bool enabled) {
  // A link reacts to every click; it has no disabled state.
  if (!CanBeDisabled(PartOf(key).kind) || m_parts[key].enabled == enabled) return false;
  m_parts[key].enabled = enabled;
  return true;
}

void FormModel::SetText(Field f, std::string text) {
  PartState& state = m_parts[f];
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
  if (!StoreEnabled(f, enabled)) return;
  NotifyObservers([&](FormObserver& o) { o.OnEnabledChanged(f, enabled); });
}

void FormModel::SetEnabled(Control c, bool enabled) {
  if (!StoreEnabled(c, enabled)) return;
  NotifyObservers([&](FormObserver& o) { o.OnEnabledChanged(c, enabled); });
}

void FormModel::SetInvisibleShown(bool shown) {
  bool& stored = m_parts[Indicator::Invisible].enabled;
  if (stored == shown) return;
  stored = shown;
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
  for (const Control control : kAllControls) {
    if (CanBeDisabled(PartOf(control).kind)) observer.OnEnabledChanged(control, IsEnabled(control));
  }
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
