// The headless model's own cost, for the record: a keystroke with every
// readout live, and a whole conversion.
#include <benchmark/benchmark.h>

#include "form/form_model.h"

namespace {

using lumiq::Control;
using lumiq::Field;

void BM_ModelKeystrokeVoltage(benchmark::State& state) {
  lumiq::FormModel model{nullptr};
  model.SetText(Field::Current, "20");
  model.Click(Control::C_mcd);
  model.SetText(Field::mlm, "214.1");
  bool flip = false;
  for (auto _ : state) {
    model.SetText(Field::Voltage, flip ? "3.2" : "3.25");
    flip = !flip;
  }
}
BENCHMARK(BM_ModelKeystrokeVoltage);

void BM_ModelChooseAndCalculate(benchmark::State& state) {
  lumiq::FormModel model{nullptr};
  model.SetText(Field::Voltage, "3.2");
  model.SetText(Field::Current, "20");
  model.Click(Control::C_mlm);
  model.SetText(Field::mcd, "1000");
  model.SetText(Field::deg, "30");
  for (auto _ : state) {
    model.Click(Control::C_mlm);
    model.Click(Control::Calculate);
  }
}
BENCHMARK(BM_ModelChooseAndCalculate);

}  // namespace
