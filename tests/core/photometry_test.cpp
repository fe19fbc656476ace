#include "core/photometry.h"

#include <fmt/format.h>
#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <string>

#include "core/numeric_text.h"
#include "tests/support/param_name.h"

namespace lumiq {
namespace {

// 17 significant digits identify a double exactly.
std::string Exact(double value) {
  return fmt::format("{:.17g}", value);
}

struct Reference {
  double degrees;
  double sr;
  const char* fluxOf1000mcd;
  const char* intensityOf100mlm;
};

class ReferenceTable : public testing::TestWithParam<Reference> {};

TEST_P(ReferenceTable, SolidAngleIsBitExact) {
  EXPECT_EQ(Exact(SolidAngleFromApex(GetParam().degrees)), Exact(GetParam().sr));
}

TEST_P(ReferenceTable, ConversionsShowTheReferenceText) {
  const double sr = SolidAngleFromApex(GetParam().degrees);
  EXPECT_EQ(DoubleToText(IntensityToFlux(1000.0, sr).value()), GetParam().fluxOf1000mcd);
  EXPECT_EQ(DoubleToText(FluxToIntensity(100.0, sr).value()), GetParam().intensityOf100mlm);
}

INSTANTIATE_TEST_SUITE_P(Apex, ReferenceTable,
                         testing::Values(Reference{1, 0.0002392444437434194, "0.2", "417982.5"},
                                         Reference{10, 0.023909417039560073, "23.9", "4182.5"},
                                         Reference{15, 0.05375352131748259, "53.8", "1860.3"},
                                         Reference{30, 0.21409434761688978, "214.1", "467.1"},
                                         Reference{60, 0.8417872144850123, "841.8", "118.8"},
                                         Reference{90, 1.8403023690385358, "1840.3", "54.3"},
                                         Reference{120, 3.1415926536185137, "3141.6", "31.8"},
                                         Reference{180, 6.283185307232066, "6283.2", "15.9"},
                                         Reference{359.9, 12.566368221940587, "12566.4", "8"}),
                         [](const auto& info) {
                           return testing_support::ParamName("Degrees", info.param.degrees);
                         });

TEST(Conversion, NegativeIntensityConvertsLikeAnyOther) {
  EXPECT_EQ(IntensityToFlux(-1000.0, SolidAngleFromApex(30)), -214.1);
}

struct NoFiniteResult {
  const char* name;
  double input;
  double degrees;
  bool intensityToFlux;
};

class NoFiniteResultCase : public testing::TestWithParam<NoFiniteResult> {};

TEST_P(NoFiniteResultCase, GivesNoValue) {
  const NoFiniteResult& row = GetParam();
  const double sr = SolidAngleFromApex(row.degrees);
  const auto result =
      row.intensityToFlux ? IntensityToFlux(row.input, sr) : FluxToIntensity(row.input, sr);
  EXPECT_FALSE(result.has_value());
}

constexpr double kMax = std::numeric_limits<double>::max();

INSTANTIATE_TEST_SUITE_P(Overflow, NoFiniteResultCase,
                         testing::Values(NoFiniteResult{"ProductBeyondRange", kMax, 90, true},
                                         NoFiniteResult{"QuotientBeyondRange", kMax, 30, false},
                                         NoFiniteResult{"ZeroSolidAngle", 100, 1e-7, false},
                                         NoFiniteResult{"ZeroOverZeroSolidAngle", 0, 1e-7, false}),
                         [](const auto& info) { return info.param.name; });

TEST(SolidAngle, VanishesForTheNarrowestCones) {
  EXPECT_EQ(SolidAngleFromApex(1e-7), 0.0);
  EXPECT_EQ(IntensityToFlux(1000.0, SolidAngleFromApex(1e-7)), 0.0);
  EXPECT_GT(SolidAngleFromApex(2e-6), 0.0);
}

}  // namespace
}  // namespace lumiq
