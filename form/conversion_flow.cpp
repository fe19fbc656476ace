#include "form/conversion_flow.h"

#include <optional>
#include <string>
#include <string_view>

#include "core/numeric_text.h"
#include "core/photometry.h"

namespace lumiq {
namespace {

// What a failed Calculate names, and whose text it quotes.
struct Complaint {
  std::string_view item;
  Field field;
};

constexpr Complaint kBadDegrees{"degrees (0-360), please try again! (", Field::deg};
constexpr Complaint kBadMillicandela{"millicandela, please try again! (", Field::mcd};
constexpr Complaint kBadMillilumens{"millilumens, please try again! (", Field::mlm};

void Fail(FormModel& model, const Complaint& complaint) {
  std::string text = "No acceptable numeric value entered for";
  text.push_back('\r');  // the message box breaks the line here
  text.append(complaint.item);
  text.append(model.Text(complaint.field));  // quoted as typed, not trimmed
  text.push_back(')');
  model.ShowMessage(text);
  model.SetEnabled(Control::Calculate, false);
}

// The text to write for a converted value, or nothing when no finite value
// exists or its 15-digit text would read back as beyond the double range.
std::optional<std::string> ResultText(std::optional<double> value) {
  if (!value) return std::nullopt;
  std::string text = DoubleToText(*value);
  if (!IsNumericText(text)) return std::nullopt;
  return text;
}

void Succeed(FormModel& model, Field output, std::string text) {
  model.SetText(output, std::move(text));  // runs the output's change handler first
  model.SetEnabled(Control::Calculate, false);
  model.chosen = ConversionDirection::None;
}

}  // namespace

void ChooseIntensityToFlux(FormModel& model) {
  model.chosen = ConversionDirection::IntensityToFlux;
  model.SetEnabled(Field::mcd, true);
  model.SetEnabled(Field::deg, true);
  model.SetEnabled(Field::mlm, false);
  model.SetText(Field::mlm, "");
  model.SetEnabled(Control::Calculate, true);
}

void ChooseFluxToIntensity(FormModel& model) {
  model.chosen = ConversionDirection::FluxToIntensity;
  model.SetEnabled(Field::mcd, false);
  model.SetText(Field::mcd, "");
  model.SetEnabled(Field::deg, true);
  model.SetEnabled(Field::mlm, true);
  model.SetEnabled(Control::Calculate, true);
}

void Calculate(FormModel& model) {
  model.SetEnabled(Field::mcd, false);
  model.SetEnabled(Field::deg, false);
  model.SetEnabled(Field::mlm, false);

  const std::optional<double> degrees = ParseNumericText(model.Text(Field::deg));
  if (!degrees || !(*degrees > 0.0 && *degrees < 360.0)) return Fail(model, kBadDegrees);
  const double sr = SolidAngleFromApex(*degrees);

  switch (model.chosen) {
    case ConversionDirection::IntensityToFlux: {
      const std::optional<double> mcd = ParseNumericText(model.Text(Field::mcd));
      if (!mcd) return Fail(model, kBadMillicandela);
      std::optional<std::string> mlm = ResultText(IntensityToFlux(*mcd, sr));
      if (!mlm) return Fail(model, kBadMillicandela);  // beyond the double range
      return Succeed(model, Field::mlm, std::move(*mlm));
    }
    case ConversionDirection::FluxToIntensity: {
      // An angle too narrow to have any solid angle cannot be divided by.
      if (sr == 0.0) return Fail(model, kBadDegrees);
      const std::optional<double> mlm = ParseNumericText(model.Text(Field::mlm));
      if (!mlm) return Fail(model, kBadMillilumens);
      std::optional<std::string> mcd = ResultText(FluxToIntensity(*mlm, sr));
      if (!mcd) return Fail(model, kBadMillilumens);  // beyond the double range
      return Succeed(model, Field::mcd, std::move(*mcd));
    }
    case ConversionDirection::None:
      break;  // unreachable: Calculate is disabled while no direction is chosen
  }
}

}  // namespace lumiq
