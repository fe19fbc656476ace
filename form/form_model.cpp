#include "form/form_model.h"

#include <algorithm>
#include <utility>

#include "form/event_table.h"

namespace lumiq {
namespace {

constexpr std::size_t Index(Field f) {
  return static_cast<std::size_t>(f);
}
constexpr std::size_t Index(Control c) {
  return static_cast<std::size_t>(c);
}

struct FieldStart {
  Field field;
  std::string_view text;
  bool enabled;
};

// In enumeration order. The prompts are not numeric text, so nothing is
// computed at start.
constexpr std::array<FieldStart, kFieldCount> kFieldStart = {{
    {Field::mcd, "", false},
    {Field::deg, "", false},
    {Field::mlm, "", false},
    {Field::Voltage, "in Volts", true},
    {Field::Current, "in milliAmps", true},
    {Field::Power, "", false},
    {Field::Efficiency, "", false},
    {Field::Wavelength, "in nm", true},
}};

struct ControlStart {
  Control control;
  bool enabled;
};

// In enumeration order.
constexpr std::array<ControlStart, kControlCount> kControlStart = {{
    {Control::C_mlm, true},
    {Control::C_mcd, true},
    {Control::Calculate, false},
    {Control::Label4, true},
}};

template <typename Table>
constexpr bool InEnumerationOrder(const Table& table, auto key) {
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (static_cast<std::size_t>(key(table[i])) != i) return false;
  }
  return true;
}
static_assert(InEnumerationOrder(kFieldStart, [](const FieldStart& s) { return s.field; }));
static_assert(InEnumerationOrder(kControlStart, [](const ControlStart& s) { return s.control; }));

}  // namespace

FormModel::FormModel(MessageSink showMessage) : m_showMessage(std::move(showMessage)) {
  for (const FieldStart& start : kFieldStart) {
    m_fields[Index(start.field)] = FieldState{std::string(start.text), start.enabled};
  }
  for (const ControlStart& start : kControlStart) {
    m_controlEnabled[Index(start.control)] = start.enabled;
  }
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
  // The credit label reacts to every click; it has no disabled state.
  if (c == Control::Label4 || m_controlEnabled[Index(c)] == enabled) return;
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
