// The cosine against MPFR's, rounded to nearest, on every argument set the
// solid angle meets; both the whole function and its slow path alone.
#include "core/correct_cosine.h"

#include <gtest/gtest.h>
#include <mpfr.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <iostream>
#include <random>
#include <vector>

#include "core/photometry.h"

namespace lumiq {
namespace {

double MpfrCos(double x) {
  mpfr_t v;
  mpfr_init2(v, 256);
  mpfr_set_d(v, x, MPFR_RNDN);
  mpfr_t c;
  mpfr_init2(c, 53);
  mpfr_cos(c, v, MPFR_RNDN);  // correctly rounded to 53 bits
  const double result = mpfr_get_d(c, MPFR_RNDN);
  mpfr_clear(c);
  mpfr_clear(v);
  return result;
}

// Uniform doubles in [low, high] from a fixed seed: the same set on every run.
std::vector<double> Uniform(double low, double high, int count) {
  std::mt19937_64 bits(20261208);
  std::vector<double> out;
  for (int i = 0; i < count; ++i) {
    const double unit = static_cast<double>(bits() >> 11) * 0x1p-53;
    out.push_back(low + (high - low) * unit);
  }
  return out;
}

constexpr double kWorstCases[] = {
#include "tests/core/cosine_worst_cases.inc"
};

std::vector<double> HalfAngles(const std::vector<double>& degrees) {
  std::vector<double> out;
  for (const double d : degrees) out.push_back((kPi / 360.0) * d);
  return out;
}

std::vector<double> DecimalDegrees() {  // 0.1 .. 359.9
  std::vector<double> out;
  for (int tenths = 1; tenths < 3600; ++tenths) out.push_back(tenths / 10.0);
  return out;
}

struct ArgumentSet {
  const char* name;
  std::function<std::vector<double>()> arguments;
  double (*cosine)(double);
};

class CosineAgainstMpfr : public testing::TestWithParam<ArgumentSet> {};

TEST_P(CosineAgainstMpfr, EveryArgumentRoundsToTheNearestDouble) {
  const std::vector<double> arguments = GetParam().arguments();
  int mismatches = 0;
  for (const double b : arguments) {
    const double expected = MpfrCos(b);
    const double got = GetParam().cosine(b);
    if (got != expected && ++mismatches <= 5) {
      ADD_FAILURE() << std::hexfloat << "cos(" << b << "): " << got << ", nearest " << expected;
    }
  }
  std::cout << GetParam().name << ": " << arguments.size() << " arguments, " << mismatches
            << " mismatches\n";
  EXPECT_EQ(mismatches, 0);
}

constexpr double kLargestBelowPi = 3.141592653589793;
constexpr double kHalfPi = 1.5707963267948966;

INSTANTIATE_TEST_SUITE_P(
    Sets, CosineAgainstMpfr,
    testing::Values(
        ArgumentSet{"Random300000", [] { return Uniform(0, kLargestBelowPi, 300000); },
                    CorrectlyRoundedCos},
        ArgumentSet{"ReferenceAngles",
                    [] {
                      return HalfAngles({1, 10, 15, 30, 60, 90, 120, 180, 359.9});
                    },
                    CorrectlyRoundedCos},
        ArgumentSet{"DecimalAngles", [] { return HalfAngles(DecimalDegrees()); },
                    CorrectlyRoundedCos},
        ArgumentSet{"NearHalfPi", [] { return Uniform(kHalfPi - 1e-9, kHalfPi + 1e-9, 20000); },
                    CorrectlyRoundedCos},
        ArgumentSet{"WithinAMillionthOfHalfPi",
                    [] { return Uniform(kHalfPi - 1e-6, kHalfPi + 1e-6, 50000); },
                    CorrectlyRoundedCos},
        ArgumentSet{
            "WorstCases",
            [] { return std::vector<double>(std::begin(kWorstCases), std::end(kWorstCases)); },
            CorrectlyRoundedCos},
        ArgumentSet{"WholeDomain",
                    [] { return Uniform(-kCorrectCosineLimit, kCorrectCosineLimit, 50000); },
                    CorrectlyRoundedCos},
        ArgumentSet{"TinyArguments", [] { return Uniform(0, 1e-6, 20000); }, CorrectlyRoundedCos},
        ArgumentSet{"SlowPathRandom", [] { return Uniform(0, kCorrectCosineLimit, 20000); },
                    detail::CosBySeries},
        ArgumentSet{"SlowPathDecimalAngles", [] { return HalfAngles(DecimalDegrees()); },
                    detail::CosBySeries}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace lumiq
