// The solid angle and the cosine against a table generated in 300-bit
// arithmetic (tests/core/make_solid_angle_table.py): the same bits on every
// build, including those without MPFR.
#include <gtest/gtest.h>

#include <cstddef>

#include "core/correct_cosine.h"
#include "core/photometry.h"

namespace lumiq {
namespace {

struct Pair {
  double in;
  double out;
};
#include "tests/core/solid_angle_table.inc"

struct Table {
  const char* name;
  const Pair* rows;
  std::size_t size;
  double (*function)(double);
};

class GeneratedTable : public testing::TestWithParam<Table> {};

TEST_P(GeneratedTable, EveryRowIsBitExact) {
  const Table& table = GetParam();
  int mismatches = 0;
  for (std::size_t i = 0; i < table.size; ++i) {
    const Pair& row = table.rows[i];
    if (table.function(row.in) != row.out && ++mismatches <= 5) {
      ADD_FAILURE() << std::hexfloat << table.name << "(" << row.in << ") gives "
                    << table.function(row.in) << ", table " << row.out;
    }
  }
  EXPECT_EQ(mismatches, 0);
}

double SolidAngle(double degrees) {
  return SolidAngleFromApex(degrees);
}

INSTANTIATE_TEST_SUITE_P(Rows, GeneratedTable,
                         testing::Values(Table{"SolidAngleOfDecimalAngles", kSolidAngles,
                                               std::size(kSolidAngles), SolidAngle},
                                         Table{"CosineOfRandomHalfAngles", kCosines,
                                               std::size(kCosines), CorrectlyRoundedCos},
                                         Table{"SeriesCosineOfRandomHalfAngles", kCosines,
                                               std::size(kCosines), detail::CosBySeries},
                                         Table{"CosineNearHalfPi", kCosinesNearHalfPi,
                                               std::size(kCosinesNearHalfPi), CorrectlyRoundedCos},
                                         Table{"CosineOfWorstCases", kCosinesWorstCases,
                                               std::size(kCosinesWorstCases), CorrectlyRoundedCos},
                                         Table{"SeriesCosineOfWorstCases", kCosinesWorstCases,
                                               std::size(kCosinesWorstCases), detail::CosBySeries}),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace lumiq
