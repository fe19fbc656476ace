// Every part of the form that the model knows, once: its control name, what
// kind of control shows it and its start state. The model, both views and
// the tests take names, kinds and start values from this one table.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <variant>

namespace lumiq {

// Text boxes: their text and enabled flag live in the model.
enum class Field { mcd, deg, mlm, Voltage, Current, Power, Efficiency, Wavelength };
// What answers a click: the three buttons and the credit.
enum class Control { C_mlm, C_mcd, Calculate, Label4 };
// What the model sets and the user only sees: the warning label's visibility
// and the swatch's colour.
enum class Indicator { Invisible, Color };

// How a part is shown, and so how it answers: a box is typed in; a button and
// a link are clicked, and only a box or a button is ever disabled; a label
// and a swatch only show. A frame is no part of the model: it only groups
// the widgets of a view.
enum class PartKind { Box, Button, Link, Label, Swatch, Frame };

// Whether a part of that kind answers clicks.
[[nodiscard]] constexpr bool IsClicked(PartKind kind) noexcept {
  return kind == PartKind::Button || kind == PartKind::Link;
}

// Whether a part of that kind can be disabled; a link is always live.
[[nodiscard]] constexpr bool CanBeDisabled(PartKind kind) noexcept {
  return kind == PartKind::Box || kind == PartKind::Button;
}

using PartKey = std::variant<Field, Control, Indicator>;

struct PartRow {
  PartKey key;
  std::string_view name;  // the window's control name
  PartKind kind;
  std::string_view startText;  // a box's text at start
  bool startEnabled;           // a box or button: enabled at start; a label: shown
};

// Fields, then controls, then indicators, each in enumeration order: a part's
// row is found by its number, with no search (checked below).
// clang-format off
inline constexpr std::array<PartRow, 14> kModelParts = {{
    // The prompts are not numeric text, so nothing is computed at start.
    {Field::mcd,          "mcd",        PartKind::Box,    "",             false},
    {Field::deg,          "deg",        PartKind::Box,    "",             false},
    {Field::mlm,          "mlm",        PartKind::Box,    "",             false},
    {Field::Voltage,      "Voltage",    PartKind::Box,    "in Volts",     true},
    {Field::Current,      "Current",    PartKind::Box,    "in milliAmps", true},
    {Field::Power,        "Power",      PartKind::Box,    "",             false},
    {Field::Efficiency,   "Efficiency", PartKind::Box,    "",             false},
    {Field::Wavelength,   "Wavelength", PartKind::Box,    "in nm",        true},
    {Control::C_mlm,      "C_mlm",      PartKind::Button, "",             true},
    {Control::C_mcd,      "C_mcd",      PartKind::Button, "",             true},
    {Control::Calculate,  "Calculate",  PartKind::Button, "",             false},
    {Control::Label4,     "Label4",     PartKind::Link,   "",             true},
    {Indicator::Invisible, "Invisible", PartKind::Label,  "",             false},
    {Indicator::Color,    "Color",      PartKind::Swatch, "",             true},
}};
// clang-format on

namespace detail {
template <typename Key>
constexpr std::size_t CountOf() {
  std::size_t count = 0;
  for (const PartRow& row : kModelParts) count += std::holds_alternative<Key>(row.key);
  return count;
}
}  // namespace detail

inline constexpr std::size_t kFieldCount = detail::CountOf<Field>();
inline constexpr std::size_t kControlCount = detail::CountOf<Control>();
inline constexpr std::size_t kIndicatorCount = detail::CountOf<Indicator>();

// The row of a part: the one helper every per-part table is indexed through.
[[nodiscard]] constexpr std::size_t PartIndex(Field field) noexcept {
  return static_cast<std::size_t>(field);
}
[[nodiscard]] constexpr std::size_t PartIndex(Control control) noexcept {
  return kFieldCount + static_cast<std::size_t>(control);
}
[[nodiscard]] constexpr std::size_t PartIndex(Indicator indicator) noexcept {
  return kFieldCount + kControlCount + static_cast<std::size_t>(indicator);
}
[[nodiscard]] constexpr std::size_t PartIndex(const PartKey& key) noexcept {
  return std::visit([](auto part) { return PartIndex(part); }, key);
}
template <typename Key>
[[nodiscard]] constexpr const PartRow& PartOf(Key key) noexcept {
  return kModelParts[PartIndex(key)];
}

// One value for each part, reached by the part itself: the one numbering
// every per-part table uses.
template <typename T>
class ByPart {
 public:
  template <typename Key>
  [[nodiscard]] constexpr T& operator[](Key key) noexcept {
    return m_values[PartIndex(key)];
  }
  template <typename Key>
  [[nodiscard]] constexpr const T& operator[](Key key) const noexcept {
    return m_values[PartIndex(key)];
  }

 private:
  std::array<T, kModelParts.size()> m_values{};
};

// The one order check: every row sits where its number says.
static_assert([] {
  for (std::size_t i = 0; i < kModelParts.size(); ++i) {
    if (PartIndex(kModelParts[i].key) != i) return false;
  }
  return true;
}());

// A box is a field and a field is a box; a clickable part is a control.
static_assert([] {
  for (const PartRow& row : kModelParts) {
    const bool box = row.kind == PartKind::Box;
    if (box != std::holds_alternative<Field>(row.key)) return false;
    if (IsClicked(row.kind) != std::holds_alternative<Control>(row.key)) return false;
    if (!box && !row.startText.empty()) return false;
    if (row.kind == PartKind::Frame) return false;
  }
  return true;
}());

namespace detail {
template <typename Key, std::size_t N>
constexpr std::array<Key, N> AllOf() {
  std::array<Key, N> keys{};
  for (std::size_t i = 0; i < N; ++i) keys[i] = static_cast<Key>(i);
  return keys;
}
}  // namespace detail

inline constexpr auto kAllFields = detail::AllOf<Field, kFieldCount>();
inline constexpr auto kAllControls = detail::AllOf<Control, kControlCount>();
inline constexpr auto kAllIndicators = detail::AllOf<Indicator, kIndicatorCount>();

// The control name of each part ("mcd", "C_mlm", "Color").
[[nodiscard]] constexpr std::string_view NameOf(Field field) noexcept {
  return PartOf(field).name;
}
[[nodiscard]] constexpr std::string_view NameOf(Control control) noexcept {
  return PartOf(control).name;
}
[[nodiscard]] constexpr std::string_view NameOf(Indicator indicator) noexcept {
  return PartOf(indicator).name;
}

}  // namespace lumiq
