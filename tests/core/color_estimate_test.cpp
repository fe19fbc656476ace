#include "core/color_estimate.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/param_name.h"

namespace lumiq {
namespace {

struct Shade {
  double w;
  int r, g, b;
  ColorRef packed;
  bool outOfRange;
};

class ColorBands : public testing::TestWithParam<Shade> {};

TEST_P(ColorBands, GiveTheTabledColourAndFlag) {
  const Shade& row = GetParam();
  const ColorEstimate estimate = EstimateColor(row.w);
  const ColorRef packed = PackColor(estimate.rgb);
  EXPECT_EQ(packed, row.packed);
  EXPECT_EQ(RedOf(packed), row.r);
  EXPECT_EQ(GreenOf(packed), row.g);
  EXPECT_EQ(BlueOf(packed), row.b);
  EXPECT_EQ(estimate.outOfRange, row.outOfRange);
}

std::string ShadeName(const testing::TestParamInfo<Shade>& info) {
  return testing_support::ParamName("Nm", info.param.w);
}

INSTANTIATE_TEST_SUITE_P(
    Reference, ColorBands,
    testing::Values(Shade{300, 0, 0, 0, 0, true}, Shade{370, 210, 0, 255, 16711890, false},
                    Shade{380, 180, 0, 255, 16711860, false},
                    Shade{400.5, 118, 0, 255, 16711798, false},
                    Shade{440, 0, 0, 255, 16711680, false}, Shade{441, 0, 4, 252, 16516096, false},
                    Shade{480, 0, 170, 157, 10332672, false},
                    Shade{500, 0, 255, 109, 7208704, false}, Shade{525, 0, 255, 48, 3211008, false},
                    Shade{526, 5, 253, 0, 64773, false}, Shade{550, 127, 229, 0, 58751, false},
                    Shade{575, 255, 204, 0, 52479, false}, Shade{624.9, 255, 153, 0, 39423, false},
                    Shade{625, 255, 0, 0, 255, false}, Shade{700, 255, 0, 0, 255, false},
                    Shade{700.1, 0, 0, 0, 0, true}),
    ShadeName);

INSTANTIATE_TEST_SUITE_P(Edges, ColorBands,
                         testing::Values(Shade{369.9, 0, 0, 0, 0, true},
                                         Shade{-550, 0, 0, 0, 0, true},
                                         Shade{399.5, 122, 0, 255, 16711802, false},
                                         Shade{525.1, 0, 254, 0, 65024, false},
                                         Shade{1e300, 0, 0, 0, 0, true},
                                         Shade{575.2, 255, 203, 0, 52223, false},
                                         Shade{500.25, 0, 255, 108, 7143168, false}),
                         ShadeName);

}  // namespace
}  // namespace lumiq
