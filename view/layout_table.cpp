#include "view/layout_table.h"

#include <optional>
#include <span>

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
constexpr std::array<WidgetRow, kWidgetCount> kWidgets = {{
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
                                                              2400,  240, 1335, 1215, 20, Regular, true,
     "An incandescent bulb outputs between 3 and 19 lm/W. A fluorescent lamp outputs about 60 lm/W."},
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

constexpr std::optional<Container> ContainerNamed(std::string_view name) {
  for (const Container container : {Container::Frame1, Container::Extra}) {
    if (NameOf(container) == name) return container;
  }
  return std::nullopt;
}

constexpr Part PartNamed(std::string_view name) {
  if (const auto field = FieldNamed(name)) return *field;
  if (const auto control = ControlNamed(name)) return *control;
  if (const auto indicator = IndicatorNamed(name)) return *indicator;
  if (const auto container = ContainerNamed(name)) return *container;
  return std::monostate{};
}

constexpr std::array<Part, kWidgetCount> kParts = [] {
  std::array<Part, kWidgetCount> parts{};
  for (std::size_t i = 0; i < kWidgetCount; ++i) parts[i] = PartNamed(kWidgets[i].name);
  return parts;
}();

constexpr WidgetKind KindOf(const Part& part) {
  if (std::holds_alternative<Field>(part)) return WidgetKind::TextBox;
  if (std::holds_alternative<Container>(part)) return WidgetKind::Frame;
  if (const auto* control = std::get_if<Control>(&part)) {
    return *control == Control::Label4 ? WidgetKind::Label : WidgetKind::Button;
  }
  if (const auto* indicator = std::get_if<Indicator>(&part)) {
    return *indicator == Indicator::Color ? WidgetKind::Swatch : WidgetKind::Label;
  }
  return WidgetKind::Label;
}

// The rows of the parts of one kind, in enumeration order.
template <typename Key, std::size_t N>
constexpr std::array<std::size_t, N> RowsOf(const std::array<Key, N>& keys) {
  std::array<std::size_t, N> rows{};
  for (std::size_t k = 0; k < N; ++k) {
    rows[k] = kWidgetCount;
    for (std::size_t i = 0; i < kWidgetCount; ++i) {
      if (kParts[i] == Part{keys[k]}) rows[k] = i;
    }
  }
  return rows;
}
constexpr auto kFieldRows = RowsOf(kAllFields);
constexpr auto kControlRows = RowsOf(kAllControls);
constexpr auto kIndicatorRows = RowsOf(kAllIndicators);

// Every row's part is shown by a widget of the part's kind, every part has a
// row, and no two rows share a name (so none shares a part).
constexpr bool EveryPartHasOneRow() {
  for (std::size_t i = 0; i < kWidgetCount; ++i) {
    if (KindOf(kParts[i]) != kWidgets[i].kind) return false;
    for (std::size_t j = 0; j < i; ++j) {
      if (kWidgets[j].name == kWidgets[i].name) return false;
    }
  }
  for (const auto& rows :
       {std::span<const std::size_t>(kFieldRows), std::span<const std::size_t>(kControlRows),
        std::span<const std::size_t>(kIndicatorRows)}) {
    for (const std::size_t row : rows) {
      if (row == kWidgetCount) return false;
    }
  }
  return true;
}

// A frame's row comes before the rows inside it, so that it is built first;
// only labels have a spoken form of their own.
constexpr bool FramesFirstAndSpokenLabels() {
  for (std::size_t i = 0; i < kWidgetCount; ++i) {
    const WidgetRow& row = kWidgets[i];
    if (!row.spoken.empty() && row.kind != WidgetKind::Label) return false;
    if (row.in == Container::Window) continue;
    bool frameBefore = false;
    for (std::size_t j = 0; j < i; ++j) frameBefore |= kParts[j] == Part{row.in};
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
static_assert(FramesFirstAndSpokenLabels());
static_assert(WholePixels());

// Where a row falls in the visiting order: boxes and buttons by their tab
// position, a frame at its first box, then the rest, then the credit.
enum class Visit { Control, Rest, Credit };
struct VisitKey {
  Visit visit;
  int tab;
  constexpr bool operator<(const VisitKey& other) const {
    return visit != other.visit ? visit < other.visit : tab < other.tab;
  }
};
constexpr bool TakesFocus(const WidgetRow& row) {
  return row.kind == WidgetKind::TextBox || row.kind == WidgetKind::Button;
}
constexpr VisitKey KeyOf(std::size_t i) {
  const WidgetRow& row = kWidgets[i];
  if (std::holds_alternative<Control>(kParts[i]) && !TakesFocus(row))
    return {Visit::Credit, row.tab};
  if (TakesFocus(row)) return {Visit::Control, row.tab};
  if (std::holds_alternative<Container>(kParts[i])) {
    VisitKey first{Visit::Rest, row.tab};
    for (std::size_t j = 0; j < kWidgetCount; ++j) {
      const VisitKey inner{Visit::Control, kWidgets[j].tab};
      if (kParts[i] == Part{kWidgets[j].in} && TakesFocus(kWidgets[j]) && inner < first)
        first = inner;
    }
    return first;
  }
  return {Visit::Rest, row.tab};
}

}  // namespace

constexpr std::array<const WidgetRow*, kWidgetCount> kTabOrder = [] {
  std::array<std::size_t, kWidgetCount> order{};
  for (std::size_t i = 0; i < kWidgetCount; ++i) {
    std::size_t at = i;  // insertion sort: stable, and small enough
    for (; at > 0 && KeyOf(i) < KeyOf(order[at - 1]); --at) order[at] = order[at - 1];
    order[at] = i;
  }
  std::array<const WidgetRow*, kWidgetCount> rows{};
  for (std::size_t i = 0; i < kWidgetCount; ++i) rows[i] = &kWidgets[order[i]];
  return rows;
}();

Part PartOf(const WidgetRow& row) noexcept {
  return kParts[IndexOf(row)];
}
const WidgetRow& RowOf(Field field) noexcept {
  return kWidgets[kFieldRows[static_cast<std::size_t>(field)]];
}
const WidgetRow& RowOf(Control control) noexcept {
  return kWidgets[kControlRows[static_cast<std::size_t>(control)]];
}
const WidgetRow& RowOf(Indicator indicator) noexcept {
  return kWidgets[kIndicatorRows[static_cast<std::size_t>(indicator)]];
}

}  // namespace lumiq
