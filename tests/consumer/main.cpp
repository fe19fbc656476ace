// Converts 1000 mcd at 30 degrees through the model, as a host program would.
#include <cstdio>
#include <string>

#include "form/form_model.h"

int main() {
  lumiq::FormModel model{nullptr};
  model.Click(lumiq::Control::C_mlm);
  model.SetText(lumiq::Field::mcd, "1000");
  model.SetText(lumiq::Field::deg, "30");
  model.Click(lumiq::Control::Calculate);
  const std::string& flux = model.Text(lumiq::Field::mlm);
  std::printf("1000 mcd at 30 degrees: %s mlm\n", flux.c_str());
  return flux == "214.1" ? 0 : 1;
}
