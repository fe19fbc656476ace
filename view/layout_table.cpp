#include "view/layout_table.h"

#include <type_traits>

namespace lumiq {

namespace {
constexpr auto Window = Container::Window;
constexpr auto Frame1 = Container::Frame1;
constexpr auto Extra = Container::Extra;
constexpr auto Regular = FontStyle::Regular;
constexpr auto Large = FontStyle::Large;
constexpr auto Bold = FontStyle::Bold;
constexpr auto LargeBold = FontStyle::LargeBold;
constexpr Part Plain = std::monostate{};
}  // namespace

// In enumeration order, so that every style has its row and no lookup fails.
constexpr std::array<FontRow, 4> kFonts = {{
    {FontStyle::Regular, 8.25, false},
    {FontStyle::Large, 12.0, false},
    {FontStyle::Bold, 8.25, true},
    {FontStyle::LargeBold, 18.0, true},
}};
static_assert([] {
  for (std::size_t i = 0; i < kFonts.size(); ++i) {
    if (static_cast<std::size_t>(kFonts[i].style) != i) return false;
  }
  return true;
}());

const FontRow& FontOf(FontStyle style) noexcept {
  return kFonts[static_cast<std::size_t>(style)];
}

// clang-format off
constexpr std::array<WidgetRow, kWidgetCount> kWidgets = {{
    // part              label      in      caption                    left   top  width height font   wraps
    {Control::C_mlm,      {},       Window, "mcd -> mlm",               240,  240, 1095,  495, Regular, false},
    {Control::C_mcd,      {},       Window, "mlm -> mcd",              1560,  240, 1095,  495, Regular, false},
    {Control::Calculate,  {},       Window, "Calculate!",              2880,  240, 1095,  495, Regular, false},
    {Field::mcd,          {},       Window, "",                         360, 1320,  975,  375, Large, false,
     {"millicandela", "Luminous intensity on the LED's axis, in millicandela (mcd)", true}},
    {Field::deg,          {},       Window, "",                        1680, 1320,  855,  375, Large, false,
     {"degrees", "Viewing angle in degrees: the full apex angle of the light cone, not the half "
                 "angle (more than 0 and less than 360)"}},
    {Field::mlm,          {},       Window, "",                        2880, 1320,  975,  375, Large, false,
     {"millilumen", "Luminous flux in millilumen (mlm): the intensity times the solid angle of a "
                    "cone with that full apex angle", true}},
    {Extra,               {},       Window, "Extra feature(s)",         240, 1920, 3735, 2175, Regular, false},
    {Field::Voltage,      {},       Extra,  "",                         120,  600,  975,  285, Regular, false,
     {"Voltage LED", "The LED's forward voltage, in volts (V)"}},
    {Field::Current,      {},       Extra,  "",                         120, 1200,  975,  285, Regular, false,
     {"Current LED", "The current through the LED, in milliamps (mA)"}},
    {Field::Power,        {},       Extra,  "",                        1320,  600,  855,  285, Regular, false,
     {"Power LED", "Electrical power in milliwatts: voltage times current"}},
    {Field::Efficiency,   {},       Window, "",                        1560, 3120,  855,  285, Regular, false,
     {"Efficiency", "Luminous efficacy in lumen per watt: flux divided by power"}},
    {Field::Wavelength,   {},       Window, "",                         360, 3720,  975,  285, Regular, false,
     {"Wavelength", "Wavelength of the LED's light, in nanometres (nm)"}},
    {Indicator::Color,    {},       Extra,  "",                        2640, 1560,  975,  495, Regular, false,
     {"Estimated color", "The colour of light of that wavelength, as estimated"}},
    {Frame1,              {},       Window, "",                         240,  840, 3735,  975, Regular, false},
    {Plain,               "Label1", Frame1, "millicandela",             120,  240, 1095,  255, Bold, false},
    {Plain,               "Label2", Frame1, "degrees",                 1440,  240,  735,  255, Bold, false},
    {Plain,               "Label3", Frame1, "millilumen",              2640,  240,  855,  255, Bold, false},
    {Plain,               "Label5", Extra,  "Voltage LED:",             120,  360,  975,  255, Regular, false},
    {Plain,               "Label6", Extra,  "Current LED:",             120,  960,  975,  255, Regular, false},
    {Plain,               "Label7", Extra,  "Power LED:",              1320,  360,  855,  255, Regular, false},
    {Plain,               "Label8", Extra,  "Efficiency:",             1320,  960,  855,  255, Regular, false},
    {Plain,               "Label9", Extra,
     "An incandescent bulb outputs be- tween 3 and 19 lm/W. A fluores- cent lamp outputs about 60lm/W.",
                                                                       2400,  240, 1335, 1215, Regular, true,
     {"An incandescent bulb outputs between 3 and 19 lm/W. A fluorescent lamp outputs about 60 lm/W."}},
    {Plain,               "Label10", Extra, "Wavelength:",              120, 1560,  975,  255, Regular, false},
    {Plain,               "Label11", Extra, "Estimated color:",        1320, 1560, 1215,  255, Regular, false},
    {Indicator::Invisible, {},      Extra,  "Invisible!!!",            1320, 1800, 1095,  255, Bold, false},
    {Control::Label4,     {},       Window, "Written by Lumiq",         360, 4080, 3495,  495, LargeBold, false},
}};
// clang-format on

namespace {

struct KindOfVisitor {
  constexpr PartKind operator()(std::monostate) const { return PartKind::Label; }
  constexpr PartKind operator()(Container) const { return PartKind::Frame; }
  constexpr PartKind operator()(auto key) const { return PartOf(key).kind; }
};
struct NameOfVisitor {
  std::string_view label;
  constexpr std::string_view operator()(std::monostate) const { return label; }
  constexpr std::string_view operator()(auto key) const { return NameOf(key); }
};

constexpr PartKind RowKind(const WidgetRow& row) {
  return std::visit(KindOfVisitor{}, row.part);
}
constexpr std::string_view RowName(const WidgetRow& row) {
  return std::visit(NameOfVisitor{row.label}, row.part);
}

// No two rows share a part and a plain label's name (checked below).
constexpr std::size_t FindRow(const Part& part, std::string_view label) {
  std::size_t i = 0;
  while (i < kWidgetCount && !(kWidgets[i].part == part && kWidgets[i].label == label)) ++i;
  return i;
}

// The layout row of each part of the model.
constexpr ByPart<std::size_t> kPartRows = [] {
  ByPart<std::size_t> rows;
  for (const PartRow& part : kModelParts) rows[part.key] = kWidgetCount;
  for (std::size_t i = 0; i < kWidgetCount; ++i) {
    std::visit(
        [&](auto key) {
          if constexpr (std::is_constructible_v<PartKey, decltype(key)>) rows[key] = i;
        },
        kWidgets[i].part);
  }
  return rows;
}();

// Every part has a row, no two rows share a name (so none shares a part),
// only plain labels carry a name of their own, and only boxes and the swatch
// are nameless to a screen reader without an accessible name.
constexpr bool EveryPartHasOneRow() {
  for (const PartRow& part : kModelParts) {
    if (kPartRows[part.key] == kWidgetCount) return false;
  }
  for (std::size_t i = 0; i < kWidgetCount; ++i) {
    const WidgetRow& row = kWidgets[i];
    if (row.label.empty() != !std::holds_alternative<std::monostate>(row.part)) return false;
    for (std::size_t j = 0; j < i; ++j) {
      if (RowName(kWidgets[j]) == RowName(row)) return false;
    }
    const PartKind kind = RowKind(row);
    const bool drawnWithoutCaption = kind == PartKind::Box || kind == PartKind::Swatch;
    if (drawnWithoutCaption != row.caption.empty() && kind != PartKind::Frame) return false;
    if (drawnWithoutCaption && (row.texts.accessibleName.empty() || row.texts.toolTip.empty()))
      return false;
    if (row.texts.announced && kind != PartKind::Box) return false;
  }
  return true;
}

// A frame's row comes before the rows inside it, so that it is built first.
constexpr bool FramesFirst() {
  for (std::size_t i = 0; i < kWidgetCount; ++i) {
    const WidgetRow& row = kWidgets[i];
    if (row.in == Container::Window) continue;
    bool frameBefore = false;
    for (std::size_t j = 0; j < i; ++j) frameBefore |= kWidgets[j].part == Part{row.in};
    if (!frameBefore) return false;
  }
  return true;
}

constexpr bool WholePixels() {
  for (const WidgetRow& row : kWidgets) {
    for (const int twips : {row.left, row.top, row.width, row.height}) {
      if (twips % kTwipsPerPixel != 0) return false;
    }
  }
  return kClientWidthTwips % kTwipsPerPixel == 0 && kClientHeightTwips % kTwipsPerPixel == 0;
}

static_assert(EveryPartHasOneRow());
static_assert(FramesFirst());
static_assert(WholePixels());

}  // namespace

PartKind KindOf(const WidgetRow& row) noexcept {
  return RowKind(row);
}
std::string_view NameOf(const WidgetRow& row) noexcept {
  return RowName(row);
}

std::size_t IndexOf(const WidgetRow& row) noexcept {
  return FindRow(row.part, row.label);
}
std::size_t RowIndexOf(Field field) noexcept {
  return kPartRows[field];
}
std::size_t RowIndexOf(Control control) noexcept {
  return kPartRows[control];
}
std::size_t RowIndexOf(Indicator indicator) noexcept {
  return kPartRows[indicator];
}
std::optional<std::size_t> RowIndexOf(Container container) noexcept {
  const std::size_t i = FindRow(container, {});
  return i < kWidgetCount ? std::optional<std::size_t>(i) : std::nullopt;
}

}  // namespace lumiq
