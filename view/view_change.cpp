#include "view/view_change.h"

namespace lumiq {

void ViewChangeObserver::OnTextChanged(Field field, const std::string& text) {
  OnViewChange({ChangeKind::Text, NameOf(field), text});
}
void ViewChangeObserver::OnEnabledChanged(Field field, bool enabled) {
  OnViewChange({ChangeKind::Enabled, NameOf(field), {}, enabled});
}
void ViewChangeObserver::OnEnabledChanged(Control control, bool enabled) {
  OnViewChange({ChangeKind::Enabled, NameOf(control), {}, enabled});
}
void ViewChangeObserver::OnInvisibleShownChanged(bool shown) {
  OnViewChange({ChangeKind::Shown, NameOf(Indicator::Invisible), {}, shown});
}
void ViewChangeObserver::OnSwatchColorChanged(ColorRef color) {
  OnViewChange({ChangeKind::Color, NameOf(Indicator::Color), {}, false, color});
}

}  // namespace lumiq
