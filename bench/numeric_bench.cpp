// Reading and printing number text against the standard library's own
// conversions on the same inputs.
#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
#include <optional>
#include <string>
#include <vector>

#include "core/numeric_text.h"

namespace {

// Texts both sides accept: no blanks or plus signs, which from_chars rejects.
const std::vector<std::string> kTexts = {"214.1",
                                         "3.2",
                                         "20",
                                         "1000",
                                         "467.1",
                                         "30",
                                         "359.9",
                                         "0.5",
                                         "12566.4",
                                         "1e3",
                                         "2.5E-2",
                                         "-1000",
                                         "550",
                                         "624.9",
                                         "64",
                                         "3.3453125",
                                         "0.0002392444437434194",
                                         "417982.5",
                                         "1.7976931348623157e308",
                                         "4.9e-324",
                                         "6.283185307232066",
                                         "12",
                                         "-0.25",
                                         "100"};

std::vector<double> Values() {
  std::vector<double> values;
  for (const std::string& text : kTexts) values.push_back(lumiq::TextToDouble(text));
  values.push_back(1.0 / 3.0);
  values.push_back(123456789012345678901.0);
  return values;
}

void BM_FromChars(benchmark::State& state) {
  for (auto _ : state) {
    for (const std::string& text : kTexts) {
      double value = 0;
      std::from_chars(text.data(), text.data() + text.size(), value);
      benchmark::DoNotOptimize(value);
    }
  }
}
BENCHMARK(BM_FromChars);

// As the handlers read a field: one scan and one conversion.
void BM_ParseNumericText(benchmark::State& state) {
  for (auto _ : state) {
    for (const std::string& text : kTexts) {
      std::optional<double> value = lumiq::ParseNumericText(text);
      benchmark::DoNotOptimize(value);
    }
  }
}
BENCHMARK(BM_ParseNumericText);

void BM_ToCharsScientific14(benchmark::State& state) {
  const std::vector<double> values = Values();
  std::array<char, 64> buffer{};
  for (auto _ : state) {
    for (const double value : values) {
      auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                  std::chars_format::scientific, 14);
      benchmark::DoNotOptimize(result.ptr);
      // The same allocation the display text pays for.
      std::string text(buffer.data(), result.ptr);
      benchmark::DoNotOptimize(text.data());
    }
  }
}
BENCHMARK(BM_ToCharsScientific14);

void BM_DoubleToText(benchmark::State& state) {
  const std::vector<double> values = Values();
  for (auto _ : state) {
    for (const double value : values) {
      std::string text = lumiq::DoubleToText(value);
      benchmark::DoNotOptimize(text.data());
    }
  }
}
BENCHMARK(BM_DoubleToText);

}  // namespace
