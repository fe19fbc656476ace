#include <optional>

#include "core/color_estimate.h"
#include "core/numeric_text.h"
#include "form/readouts.h"

namespace lumiq {

void UpdateColorEstimate(FormModel& model) {
  // A half-typed or cleared field keeps the last colour on screen.
  const std::optional<double> w = ParseNumericText(model.Text(Field::Wavelength));
  if (!w) return;
  model.SetInvisibleShown(false);
  const ColorEstimate estimate = EstimateColor(*w);
  if (estimate.outOfRange) model.SetInvisibleShown(true);
  model.SetSwatchColor(PackColor(estimate.rgb));
}

}  // namespace lumiq
