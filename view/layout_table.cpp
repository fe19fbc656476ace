#include "view/layout_table.h"

namespace lumiq {

namespace {
constexpr auto TextBox = WidgetKind::TextBox;
constexpr auto Button = WidgetKind::Button;
constexpr auto Label = WidgetKind::Label;
constexpr auto Frame = WidgetKind::Frame;
constexpr auto Swatch = WidgetKind::Swatch;
constexpr auto Window = Container::Window;
constexpr auto Frame1 = Container::Frame1;
constexpr auto Extra = Container::Extra;
constexpr auto Regular = FontStyle::Regular;
constexpr auto Large = FontStyle::Large;
constexpr auto Bold = FontStyle::Bold;
constexpr auto LargeBold = FontStyle::LargeBold;
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
constexpr std::array<WidgetRow, 26> kWidgets = {{
    // name         kind     in      caption                   left   top  width height tab font wraps
    {"Frame1",     Frame,   Window, "",                        240,  840, 3735,  975,  5, Regular, false},
    {"Extra",      Frame,   Window, "Extra feature(s)",        240, 1920, 3735, 2175, 15, Regular, false},
    {"C_mlm",      Button,  Window, "mcd -> mlm",              240,  240, 1095,  495,  0, Regular, false},
    {"C_mcd",      Button,  Window, "mlm -> mcd",             1560,  240, 1095,  495,  1, Regular, false},
    {"Calculate",  Button,  Window, "Calculate!",             2880,  240, 1095,  495,  2, Regular, false},
    {"Label1",     Label,   Frame1, "millicandela",            120,  240, 1095,  255, 12, Bold, false},
    {"Label2",     Label,   Frame1, "degrees",                1440,  240,  735,  255, 13, Bold, false},
    {"Label3",     Label,   Frame1, "millilumen",             2640,  240,  855,  255, 14, Bold, false},
    {"mcd",        TextBox, Window, "",                        360, 1320,  975,  375,  3, Large, false},
    {"deg",        TextBox, Window, "",                       1680, 1320,  855,  375,  4, Large, false},
    {"mlm",        TextBox, Window, "",                       2880, 1320,  975,  375,  6, Large, false},
    {"Label5",     Label,   Extra,  "Voltage LED:",            120,  360,  975,  255, 16, Regular, false},
    {"Voltage",    TextBox, Extra,  "",                        120,  600,  975,  285,  7, Regular, false},
    {"Label6",     Label,   Extra,  "Current LED:",            120,  960,  975,  255, 17, Regular, false},
    {"Current",    TextBox, Extra,  "",                        120, 1200,  975,  285,  8, Regular, false},
    {"Label7",     Label,   Extra,  "Power LED:",             1320,  360,  855,  255, 18, Regular, false},
    {"Power",      TextBox, Extra,  "",                       1320,  600,  855,  285,  9, Regular, false},
    {"Label8",     Label,   Extra,  "Efficiency:",            1320,  960,  855,  255, 19, Regular, false},
    {"Label9",     Label,   Extra,
     "An incandescent bulb outputs be- tween 3 and 19 lm/W. A fluores- cent lamp outputs about 60lm/W.",
                                                              2400,  240, 1335, 1215, 20, Regular, true},
    {"Label10",    Label,   Extra,  "Wavelength:",             120, 1560,  975,  255, 22, Regular, false},
    {"Label11",    Label,   Extra,  "Estimated color:",       1320, 1560, 1215,  255, 23, Regular, false},
    {"Invisible",  Label,   Extra,  "Invisible!!!",           1320, 1800, 1095,  255, 24, Bold, false},
    {"Color",      Swatch,  Extra,  "",                       2640, 1560,  975,  495, -1, Regular, false},
    {"Efficiency", TextBox, Window, "",                       1560, 3120,  855,  285, 10, Regular, false},
    {"Wavelength", TextBox, Window, "",                        360, 3720,  975,  285, 21, Regular, false},
    {"Label4",     Label,   Window, "Written by Lumiq",        360, 4080, 3495,  495, 11, LargeBold, false},
}};
// clang-format on

namespace {

constexpr int RowsNamed(std::string_view name, WidgetKind kind) {
  int count = 0;
  for (const WidgetRow& row : kWidgets) {
    if (row.name == name && row.kind == kind) ++count;
  }
  return count;
}

constexpr WidgetKind KindOf(Control control) {
  return control == Control::Label4 ? WidgetKind::Label : WidgetKind::Button;
}
constexpr WidgetKind KindOf(Indicator indicator) {
  return indicator == Indicator::Color ? WidgetKind::Swatch : WidgetKind::Label;
}

// Every part of the model has exactly one row, of the kind that shows it.
constexpr bool EveryPartHasOneRow() {
  for (const Field field : kAllFields) {
    if (RowsNamed(NameOf(field), WidgetKind::TextBox) != 1) return false;
  }
  for (const Control control : kAllControls) {
    if (RowsNamed(NameOf(control), KindOf(control)) != 1) return false;
  }
  for (const Indicator indicator : kAllIndicators) {
    if (RowsNamed(NameOf(indicator), KindOf(indicator)) != 1) return false;
  }
  return true;
}

// Every box, button and swatch shows a part of the model; names are unique.
constexpr bool EveryLiveRowIsAPart() {
  for (const WidgetRow& row : kWidgets) {
    int same = 0;
    for (const WidgetRow& other : kWidgets) same += other.name == row.name ? 1 : 0;
    if (same != 1) return false;
    const bool part = FieldNamed(row.name) || ControlNamed(row.name) || IndicatorNamed(row.name);
    if (row.kind != WidgetKind::Label && row.kind != WidgetKind::Frame && !part) return false;
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
static_assert(EveryLiveRowIsAPart());
static_assert(WholePixels());

}  // namespace

const WidgetRow* RowNamed(std::string_view name) noexcept {
  for (const WidgetRow& row : kWidgets) {
    if (row.name == name) return &row;
  }
  return nullptr;
}

}  // namespace lumiq
