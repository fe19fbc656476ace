#include "view/view_change.h"

#include "view/layout_table.h"
#include "view/widget_texts.h"

namespace lumiq {

void ViewChangeObserver::OnTextChanged(Field field, const std::string& text) {
  OnViewChange({ChangeKind::Text, RowIndexOf(field), text, m_echo.IsEcho(field, text)});
}
void ViewChangeObserver::OnEnabledChanged(Field field, bool enabled) {
  OnViewChange({ChangeKind::Enabled, RowIndexOf(field), {}, enabled});
}
void ViewChangeObserver::OnEnabledChanged(Control control, bool enabled) {
  OnViewChange({ChangeKind::Enabled, RowIndexOf(control), {}, enabled});
}
void ViewChangeObserver::OnInvisibleShownChanged(bool shown) {
  OnViewChange({ChangeKind::Shown, RowIndexOf(Indicator::Invisible), {}, shown});
}
void ViewChangeObserver::OnSwatchColorChanged(ColorRef color) {
  const std::string spoken = SpokenColor(color);
  OnViewChange({ChangeKind::Color, RowIndexOf(Indicator::Color), spoken, false, color});
}

}  // namespace lumiq
