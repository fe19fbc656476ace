// The correctly rounded cosine against the C library's, on the same random
// half-angles in [0, pi].
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "core/correct_cosine.h"

namespace {

const std::vector<double>& Arguments() {
  static const std::vector<double> arguments = [] {
    std::mt19937_64 bits(42);
    std::vector<double> out(1024);
    for (double& b : out) b = static_cast<double>(bits() >> 11) * 0x1p-53 * 3.141592653589793;
    return out;
  }();
  return arguments;
}

void BM_StdCos(benchmark::State& state) {
  for (auto _ : state) {
    for (const double b : Arguments()) benchmark::DoNotOptimize(std::cos(b));
  }
}
BENCHMARK(BM_StdCos);

void BM_CorrectlyRoundedCos(benchmark::State& state) {
  for (auto _ : state) {
    for (const double b : Arguments()) benchmark::DoNotOptimize(lumiq::CorrectlyRoundedCos(b));
  }
}
BENCHMARK(BM_CorrectlyRoundedCos);

}  // namespace
