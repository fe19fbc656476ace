#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "core/numeric_text.h"
#include "core/rounding.h"
#include "form/readouts.h"

namespace lumiq {
namespace {

// The readout's text: the value's 15-digit text read back, rounded and given
// its unit, so what gets rounded is what the user would have seen. Nothing
// when that text does not read back as a number. Only the final text is
// written: one change, one report.
std::optional<std::string> RoundedText(double value, int places, std::string_view unit) {
  const std::optional<double> shown = ParseNumericText(DoubleToText(value));
  if (!shown) return std::nullopt;
  return DoubleToText(RoundHalfEven(*shown, places)) + std::string(unit);
}

void Blank(FormModel& model, Field field) {
  model.SetText(field, "");
}

}  // namespace

void UpdatePowerEfficiency(FormModel& model) {
  const std::optional<double> current = ParseNumericText(model.Text(Field::Current));
  const std::optional<double> voltage = ParseNumericText(model.Text(Field::Voltage));
  const double power = current && voltage ? *current * *voltage : NAN;
  std::optional<std::string> powerText;
  if (std::isfinite(power)) powerText = RoundedText(power, 0, " mW");
  if (!powerText) {
    Blank(model, Field::Power);
    Blank(model, Field::Efficiency);
    return;
  }
  model.SetText(Field::Power, std::move(*powerText));

  // Both inputs are numbers from here on: the power would not be finite otherwise.
  const std::optional<double> flux = ParseNumericText(model.Text(Field::mlm));
  if (!(*voltage > 0.0 && *current > 0.0 && flux)) return Blank(model, Field::Efficiency);

  // The factor 1000 goes in and out again: it moves only the last bits, and
  // those bits are what the user sees after rounding.
  const double k = 1000.0 / (*current * *voltage);
  const double fluxTimesK = *flux * k;
  std::optional<std::string> efficacyText;
  if (std::isfinite(k) && std::isfinite(fluxTimesK)) {
    efficacyText = RoundedText(fluxTimesK / 1000.0, 1, " lm/W");
  }
  model.SetText(Field::Efficiency, efficacyText ? std::move(*efficacyText) : std::string());
}

}  // namespace lumiq
