#include "form/event_table.h"

#include <array>

#include "form/contact.h"
#include "form/conversion_flow.h"
#include "form/readouts.h"

namespace lumiq {
namespace {

template <typename Key>
struct Route {
  Key key;
  Handler handler;
};

// mcd, deg, Power and Efficiency have no change handler.
constexpr std::array<Route<Field>, 4> kChangeRoutes = {{
    {Field::Voltage, &UpdatePowerEfficiency},
    {Field::Current, &UpdatePowerEfficiency},
    {Field::mlm, &UpdatePowerEfficiency},
    {Field::Wavelength, &UpdateColorEstimate},
}};

constexpr std::array<Route<Control>, kControlCount> kClickRoutes = {{
    {Control::C_mlm, &ChooseIntensityToFlux},
    {Control::C_mcd, &ChooseFluxToIntensity},
    {Control::Calculate, &Calculate},
    {Control::Label4, &ShowContactMessage},
}};

template <typename Key, std::size_t N>
Handler Find(const std::array<Route<Key>, N>& routes, Key key) {
  for (const Route<Key>& route : routes) {
    if (route.key == key) return route.handler;
  }
  return nullptr;
}

}  // namespace

Handler ChangeHandlerOf(Field field) noexcept {
  return Find(kChangeRoutes, field);
}

Handler ClickHandlerOf(Control control) noexcept {
  return Find(kClickRoutes, control);
}

}  // namespace lumiq
