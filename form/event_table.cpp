#include "form/event_table.h"

#include <array>

#include "form/contact.h"
#include "form/conversion_flow.h"
#include "form/readouts.h"

namespace lumiq {
namespace {

struct Route {
  PartKey part;
  Handler handler;
};

// mcd, deg, Power and Efficiency have no change handler; every control has a
// click handler.
constexpr std::array<Route, 8> kRoutes = {{
    {Field::Voltage, &UpdatePowerEfficiency},
    {Field::Current, &UpdatePowerEfficiency},
    {Field::mlm, &UpdatePowerEfficiency},
    {Field::Wavelength, &UpdateColorEstimate},
    {Control::C_mlm, &ChooseIntensityToFlux},
    {Control::C_mcd, &ChooseFluxToIntensity},
    {Control::Calculate, &Calculate},
    {Control::Label4, &ShowContactMessage},
}};

// Each part's handler, by its row in the parts table. Only boxes and what is
// clicked have one, every control has one, and no part has two.
constexpr std::array<Handler, kModelParts.size()> kHandlers = [] {
  std::array<Handler, kModelParts.size()> handlers{};
  for (const Route& route : kRoutes) handlers[PartIndex(route.part)] = route.handler;
  return handlers;
}();
static_assert([] {
  for (std::size_t i = 0; i < kModelParts.size(); ++i) {
    const PartKind kind = kModelParts[i].kind;
    const bool clicked = kind == PartKind::Button || kind == PartKind::Link;
    if (clicked && kHandlers[i] == nullptr) return false;
    if (!clicked && kind != PartKind::Box && kHandlers[i] != nullptr) return false;
  }
  for (std::size_t i = 0; i < kRoutes.size(); ++i) {
    for (std::size_t j = 0; j < i; ++j) {
      if (kRoutes[j].part == kRoutes[i].part) return false;
    }
  }
  return true;
}());

}  // namespace

Handler ChangeHandlerOf(Field field) noexcept {
  return kHandlers[PartIndex(field)];
}

Handler ClickHandlerOf(Control control) noexcept {
  return kHandlers[PartIndex(control)];
}

}  // namespace lumiq
