#include <cmath>
#include <optional>
#include <string>
#include <string_view>

#include "core/numeric_text.h"
#include "core/rounding.h"
#include "form/readouts.h"

namespace lumiq {
namespace {

// Writes the raw value, then reads the field back and writes it again rounded
// and with its unit: the rounding acts on the 15-digit text the field held,
// so what the user sees is what gets rounded. Returns false, having written
// nothing rounded, when the written text does not read back as a number.
bool WriteRounded(FormModel& model, Field field, double value, int places, std::string_view unit) {
  model.SetText(field, DoubleToText(value));
  const std::optional<double> shown = ParseNumericText(model.Text(field));
  if (!shown) return false;
  model.SetText(field, DoubleToText(RoundHalfEven(*shown, places)) + std::string(unit));
  return true;
}

void Blank(FormModel& model, Field field) {
  model.SetText(field, "");
}

}  // namespace

void UpdatePowerEfficiency(FormModel& model) {
  const std::optional<double> current = ParseNumericText(model.Text(Field::Current));
  const std::optional<double> voltage = ParseNumericText(model.Text(Field::Voltage));
  const double power = current && voltage ? *current * *voltage : NAN;
  if (!std::isfinite(power) || !WriteRounded(model, Field::Power, power, 0, " mW")) {
    Blank(model, Field::Power);
    Blank(model, Field::Efficiency);
    return;
  }

  // Both inputs are numbers from here on: the power would not be finite otherwise.
  const std::optional<double> flux = ParseNumericText(model.Text(Field::mlm));
  if (!(*voltage > 0.0 && *current > 0.0 && flux)) return Blank(model, Field::Efficiency);

  // The factor 1000 goes in and out again: it moves only the last bits, and
  // those bits are what the user sees after rounding.
  const double k = 1000.0 / (*current * *voltage);
  const double fluxTimesK = *flux * k;
  if (!std::isfinite(k) || !std::isfinite(fluxTimesK) ||
      !WriteRounded(model, Field::Efficiency, fluxTimesK / 1000.0, 1, " lm/W")) {
    Blank(model, Field::Efficiency);
  }
}

}  // namespace lumiq
