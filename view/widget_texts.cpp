#include "view/widget_texts.h"

#include <algorithm>

namespace lumiq {
namespace {

// clang-format off
constexpr WidgetText kTexts[] = {
    {"mcd", "millicandela",
     "Luminous intensity on the LED's axis, in millicandela (mcd)", true},
    {"deg", "degrees",
     "Viewing angle in degrees: the full apex angle of the light cone, not the half angle "
     "(more than 0 and less than 360)"},
    {"mlm", "millilumen",
     "Luminous flux in millilumen (mlm): the intensity times the solid angle of a cone "
     "with that full apex angle", true},
    {"Voltage", "Voltage LED", "The LED's forward voltage, in volts (V)"},
    {"Current", "Current LED", "The current through the LED, in milliamps (mA)"},
    {"Power", "Power LED", "Electrical power in milliwatts: voltage times current"},
    {"Efficiency", "Efficiency", "Luminous efficacy in lumen per watt: flux divided by power"},
    {"Wavelength", "Wavelength", "Wavelength of the LED's light, in nanometres (nm)"},
    {"Color", "Estimated color", "The colour of light of that wavelength, as estimated"},
    // Read as a sentence, without the caption's line-break hyphens.
    {"Label9", "An incandescent bulb outputs between 3 and 19 lm/W. A fluorescent lamp outputs "
     "about 60 lm/W.", ""},
};
// clang-format on

}  // namespace

std::span<const WidgetText> AllWidgetTexts() noexcept {
  return kTexts;
}

const WidgetText* WidgetTextsOf(std::string_view name) noexcept {
  for (const WidgetText& text : kTexts) {
    if (text.name == name) return &text;
  }
  return nullptr;
}

std::string MessageLines(std::string_view message) {
  std::string lines(message);
  std::replace(lines.begin(), lines.end(), '\r', '\n');
  return lines;
}

}  // namespace lumiq
