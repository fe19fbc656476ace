#include "view/widget_texts.h"

#include <algorithm>
#include <variant>

namespace lumiq {
namespace {

template <typename Key>
struct TextRow {
  Key key;
  WidgetText text;
};

// clang-format off
constexpr std::array<TextRow<Field>, kFieldCount> kFieldTexts = {{
    {Field::mcd, {"millicandela",
     "Luminous intensity on the LED's axis, in millicandela (mcd)", true}},
    {Field::deg, {"degrees",
     "Viewing angle in degrees: the full apex angle of the light cone, not the half angle "
     "(more than 0 and less than 360)"}},
    {Field::mlm, {"millilumen",
     "Luminous flux in millilumen (mlm): the intensity times the solid angle of a cone "
     "with that full apex angle", true}},
    {Field::Voltage, {"Voltage LED", "The LED's forward voltage, in volts (V)"}},
    {Field::Current, {"Current LED", "The current through the LED, in milliamps (mA)"}},
    {Field::Power, {"Power LED", "Electrical power in milliwatts: voltage times current"}},
    {Field::Efficiency, {"Efficiency", "Luminous efficacy in lumen per watt: flux divided by power"}},
    {Field::Wavelength, {"Wavelength", "Wavelength of the LED's light, in nanometres (nm)"}},
}};
// The buttons and the credit are named by their captions.
constexpr std::array<TextRow<Control>, kControlCount> kControlTexts = {{
    {Control::C_mlm, {}},
    {Control::C_mcd, {}},
    {Control::Calculate, {}},
    {Control::Label4, {}},
}};
constexpr std::array<TextRow<Indicator>, kAllIndicators.size()> kIndicatorTexts = {{
    {Indicator::Invisible, {}},
    {Indicator::Color, {"Estimated color", "The colour of light of that wavelength, as estimated"}},
}};
// clang-format on

// One row a part, in enumeration order, so that every lookup finds its own.
template <typename Key, std::size_t N>
constexpr bool InEnumerationOrder(const std::array<TextRow<Key>, N>& rows) {
  for (std::size_t i = 0; i < N; ++i) {
    if (static_cast<std::size_t>(rows[i].key) != i) return false;
  }
  return true;
}
static_assert(InEnumerationOrder(kFieldTexts));
static_assert(InEnumerationOrder(kControlTexts));
static_assert(InEnumerationOrder(kIndicatorTexts));

// Every box and the swatch have a name and a tooltip; what only shows a
// caption (a button, a label) needs neither, and is announced by nothing.
static_assert([] {
  for (const auto& row : kFieldTexts) {
    if (row.text.accessibleName.empty() || row.text.toolTip.empty()) return false;
  }
  for (const auto& row : kControlTexts) {
    if (!row.text.accessibleName.empty() || !row.text.toolTip.empty()) return false;
  }
  const WidgetText& swatch = kIndicatorTexts[static_cast<std::size_t>(Indicator::Color)].text;
  return !swatch.accessibleName.empty() && !swatch.toolTip.empty();
}());

}  // namespace

const WidgetText& TextsOf(Field field) noexcept {
  return kFieldTexts[static_cast<std::size_t>(field)].text;
}
const WidgetText& TextsOf(Control control) noexcept {
  return kControlTexts[static_cast<std::size_t>(control)].text;
}
const WidgetText& TextsOf(Indicator indicator) noexcept {
  return kIndicatorTexts[static_cast<std::size_t>(indicator)].text;
}

WidgetText TextsOf(const WidgetRow& row) noexcept {
  const Part part = PartOf(row);
  if (const auto* field = std::get_if<Field>(&part)) return TextsOf(*field);
  if (const auto* control = std::get_if<Control>(&part)) return TextsOf(*control);
  if (const auto* indicator = std::get_if<Indicator>(&part)) return TextsOf(*indicator);
  return {row.spoken, {}};
}

std::string MessageLines(std::string_view message) {
  std::string lines(message);
  std::replace(lines.begin(), lines.end(), '\r', '\n');
  return lines;
}

}  // namespace lumiq
