// The live readouts: change handlers that recompute a readout from the field
// texts as they stand, every time one of their inputs changes.
#pragma once

#include "form/form_model.h"

namespace lumiq {

// Power (mW) from Voltage x Current, and efficacy (lm/W) from mlm and that
// power. A readout with no finite value is left empty, never "inf" or a bare
// unit.
void UpdatePowerEfficiency(FormModel& model);

// Paints the swatch in the estimated colour of the wavelength and shows the
// warning outside 370..700 nm; non-numeric text leaves both as they were.
void UpdateColorEstimate(FormModel& model);

}  // namespace lumiq
