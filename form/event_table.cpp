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
// (Checked on the routes, not the handlers: a sanitizer's build cannot
// compare function addresses at compile time.)
static_assert([] {
  std::array<int, kModelParts.size()> routes{};
  for (const Route& route : kRoutes) ++routes[PartIndex(route.part)];
  for (std::size_t i = 0; i < kModelParts.size(); ++i) {
    const PartKind kind = kModelParts[i].kind;
    if (routes[i] > 1 || (IsClicked(kind) && routes[i] == 0)) return false;
    if (!IsClicked(kind) && kind != PartKind::Box && routes[i] != 0) return false;
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
