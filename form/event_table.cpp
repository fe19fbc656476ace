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

// A click reaches its handler by the control's index: every control has its
// row, in enum order (a row left out would be a zero-filled one, out of order).
constexpr bool EveryControlRoutedInOrder() {
  for (std::size_t i = 0; i < kClickRoutes.size(); ++i) {
    if (static_cast<std::size_t>(kClickRoutes[i].key) != i) return false;
  }
  return true;
}
static_assert(EveryControlRoutedInOrder(), "kClickRoutes: one row per control, in enum order");

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
  return kClickRoutes[static_cast<std::size_t>(control)].handler;
}

}  // namespace lumiq
