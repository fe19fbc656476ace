// The conversion flow: pick a direction, then Calculate converts between
// intensity and flux through the solid angle of the viewing cone.
#pragma once

#include "form/form_model.h"

namespace lumiq {

// "mcd -> mlm": intensity becomes the input, the flux field is cleared.
void ChooseIntensityToFlux(FormModel& model);

// "mlm -> mcd": flux becomes the input, the intensity field is cleared.
void ChooseFluxToIntensity(FormModel& model);

// "Calculate!": locks the inputs, validates them, writes the converted value
// and resets the direction; on invalid input shows one message, then disables
// Calculate and leaves the direction and every text as they were.
void Calculate(FormModel& model);

}  // namespace lumiq
