#include <optional>

#include "core/color_estimate.h"
#include "core/numeric_text.h"
#include "form/readouts.h"

namespace lumiq {

void UpdateColorEstimate(FormModel& model) {
  // A half-typed or cleared field keeps the last colour on screen.
  const std::optional<double> w = ParseNumericText(model.Text(Field::Wavelength));
  if (!w) return;
  const ColorEstimate estimate = EstimateColor(*w);
  model.SetInvisibleShown(estimate.outOfRange);
  model.SetSwatchColor(PackColor(estimate.rgb));
}

}  // namespace lumiq
