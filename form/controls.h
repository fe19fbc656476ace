// Every part of the form that the model knows, by kind, and its control name:
// the one table that the model, both views and the tests spell names from.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace lumiq {

// Text boxes: their text and enabled flag live in the model.
enum class Field { mcd, deg, mlm, Voltage, Current, Power, Efficiency, Wavelength };
// What answers a click: the three buttons and the credit label.
enum class Control { C_mlm, C_mcd, Calculate, Label4 };
// What the model sets and the user only sees: the warning label's visibility
// and the swatch's colour.
enum class Indicator { Invisible, Color };

template <typename Key>
struct Named {
  Key key;
  std::string_view name;
};

// In enumeration order; the names are the window's control names.
inline constexpr std::array<Named<Field>, 8> kFieldNames = {{
    {Field::mcd, "mcd"},
    {Field::deg, "deg"},
    {Field::mlm, "mlm"},
    {Field::Voltage, "Voltage"},
    {Field::Current, "Current"},
    {Field::Power, "Power"},
    {Field::Efficiency, "Efficiency"},
    {Field::Wavelength, "Wavelength"},
}};
inline constexpr std::array<Named<Control>, 4> kControlNames = {{
    {Control::C_mlm, "C_mlm"},
    {Control::C_mcd, "C_mcd"},
    {Control::Calculate, "Calculate"},
    {Control::Label4, "Label4"},
}};
inline constexpr std::array<Named<Indicator>, 2> kIndicatorNames = {{
    {Indicator::Invisible, "Invisible"},
    {Indicator::Color, "Color"},
}};

namespace detail {
template <typename Key, std::size_t N>
constexpr std::array<Key, N> Keys(const std::array<Named<Key>, N>& table) {
  std::array<Key, N> keys{};
  for (std::size_t i = 0; i < N; ++i) keys[i] = table[i].key;
  return keys;
}
template <typename Key, std::size_t N>
constexpr bool InEnumerationOrder(const std::array<Named<Key>, N>& table) {
  for (std::size_t i = 0; i < N; ++i) {
    if (static_cast<std::size_t>(table[i].key) != i) return false;
  }
  return true;
}
template <typename Key, std::size_t N>
constexpr std::optional<Key> Find(const std::array<Named<Key>, N>& table, std::string_view name) {
  for (const Named<Key>& row : table) {
    if (row.name == name) return row.key;
  }
  return std::nullopt;
}
}  // namespace detail

static_assert(detail::InEnumerationOrder(kFieldNames));
static_assert(detail::InEnumerationOrder(kControlNames));
static_assert(detail::InEnumerationOrder(kIndicatorNames));

inline constexpr std::array<Field, kFieldNames.size()> kAllFields = detail::Keys(kFieldNames);
inline constexpr std::array<Control, kControlNames.size()> kAllControls =
    detail::Keys(kControlNames);
inline constexpr std::array<Indicator, kIndicatorNames.size()> kAllIndicators =
    detail::Keys(kIndicatorNames);
inline constexpr std::size_t kFieldCount = kAllFields.size();
inline constexpr std::size_t kControlCount = kAllControls.size();

// The control name of each part ("mcd", "C_mlm", "Color").
[[nodiscard]] constexpr std::string_view NameOf(Field field) noexcept {
  return kFieldNames[static_cast<std::size_t>(field)].name;
}
[[nodiscard]] constexpr std::string_view NameOf(Control control) noexcept {
  return kControlNames[static_cast<std::size_t>(control)].name;
}
[[nodiscard]] constexpr std::string_view NameOf(Indicator indicator) noexcept {
  return kIndicatorNames[static_cast<std::size_t>(indicator)].name;
}

// The part a control name names, or nothing for a name that is not one.
[[nodiscard]] constexpr std::optional<Field> FieldNamed(std::string_view name) noexcept {
  return detail::Find(kFieldNames, name);
}
[[nodiscard]] constexpr std::optional<Control> ControlNamed(std::string_view name) noexcept {
  return detail::Find(kControlNames, name);
}
[[nodiscard]] constexpr std::optional<Indicator> IndicatorNamed(std::string_view name) noexcept {
  return detail::Find(kIndicatorNames, name);
}

namespace detail {
// Both directions agree, and no two parts share a name.
template <typename Key, std::size_t N, typename Lookup>
constexpr bool RoundTrips(const std::array<Named<Key>, N>& table, Lookup lookup) {
  for (const Named<Key>& row : table) {
    if (lookup(row.name) != row.key) return false;
  }
  return true;
}
}  // namespace detail
static_assert(detail::RoundTrips(kFieldNames, FieldNamed));
static_assert(detail::RoundTrips(kControlNames, ControlNamed));
static_assert(detail::RoundTrips(kIndicatorNames, IndicatorNamed));
static_assert(!FieldNamed("Color") && !ControlNamed("mcd") && !IndicatorNamed("Label4"));

}  // namespace lumiq
