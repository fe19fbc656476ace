#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form/form_model.h"
#include "tests/form/form_driver.h"

namespace lumiq {
namespace {

using testing_support::FormDriver;

struct Swatch {
  std::string text;
  ColorRef color;
  bool invisible;
};

struct Typing {
  const char* name;
  std::vector<Swatch> steps;  // each text is one edit; the swatch after it
};

class WavelengthTyping : public testing::TestWithParam<Typing> {};

TEST_P(WavelengthTyping, SwatchFollowsEachEdit) {
  FormDriver d;
  for (const Swatch& step : GetParam().steps) {
    d.Type(Field::Wavelength, step.text);
    EXPECT_EQ(d.model.SwatchColor(), step.color) << "after \"" << step.text << '"';
    EXPECT_EQ(d.model.InvisibleShown(), step.invisible) << "after \"" << step.text << '"';
  }
}

constexpr ColorRef k550 = 58751;  // (127, 229, 0)

INSTANTIATE_TEST_SUITE_P(
    Edits, WavelengthTyping,
    testing::Values(
        Typing{"PromptLeavesBlack", {{"in nm", 0, false}}},
        Typing{"OneKeyAtATime", {{"5", 0, true}, {"55", 0, true}, {"550", k550, false}}},
        Typing{"EmptiedInOneEdit", {{"550", k550, false}, {"", k550, false}}},
        Typing{"EmptiedOneKeyAtATime",
               {{"550", k550, false}, {"55", 0, true}, {"5", 0, true}, {"", 0, true}}},
        Typing{"WordsKeepTheLastColour", {{"550", k550, false}, {"550 nm", k550, false}}},
        Typing{"LowerEdge", {{"369.9", 0, true}, {"370", 16711890, false}}},
        Typing{"UpperEdge", {{"700.1", 0, true}, {"700", 255, false}}},
        Typing{"NegativeIsOutOfRange", {{"550", k550, false}, {"-550", 0, true}}}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace lumiq
