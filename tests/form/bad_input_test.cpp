// Bytes no keyboard sends in the usual way still leave the model sound: they
// are not numbers, they blank what they feed, and messages quote them intact.
#include <gtest/gtest.h>

#include <string>

#include "core/numeric_text.h"
#include "form/form_model.h"
#include "tests/form/form_driver.h"

namespace lumiq {
namespace {

using testing_support::FormDriver;

struct Odd {
  const char* name;
  std::string text;
};

class OddText : public testing::TestWithParam<Odd> {};

TEST_P(OddText, IsNotANumberAnywhere) {
  const std::string& text = GetParam().text;
  FormDriver d;
  d.Type(Field::Wavelength, "550");
  d.Type(Field::Voltage, "3.2");
  d.Type(Field::Current, "20");
  d.Type(Field::Current, text);
  EXPECT_EQ(d.model.Text(Field::Current), text);  // stored byte for byte
  EXPECT_EQ(d.model.Text(Field::Power), "");
  EXPECT_EQ(d.model.Text(Field::Efficiency), "");
  d.Type(Field::Wavelength, text);
  EXPECT_EQ(d.model.SwatchColor(), 58751);  // the last number's colour stays
  EXPECT_FALSE(d.model.InvisibleShown());
}

TEST_P(OddText, IsQuotedIntactInTheMessage) {
  const std::string& text = GetParam().text;
  FormDriver d;
  d.Click(Control::C_mlm);
  d.Type(Field::mcd, "1000");
  d.Type(Field::deg, text);
  d.Click(Control::Calculate);
  ASSERT_EQ(d.messages.size(), 1u);
  EXPECT_EQ(
      d.messages[0],
      "No acceptable numeric value entered for\rdegrees (0-360), please try again! (" + text + ")");
  EXPECT_EQ(d.model.Text(Field::mlm), "");
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, OddText,
    testing::Values(Odd{"NulInside", std::string("5\0"
                                                 "50",
                                                 4)},
                    Odd{"NulAlone", std::string(1, '\0')}, Odd{"NulAfter", std::string("550\0", 4)},
                    Odd{"InvalidUtf8", "55\xC3"},
                    Odd{"StrayContinuation",
                        "\x80"
                        "550"},
                    Odd{"FullWidthDigits", "\xEF\xBC\x95\xEF\xBC\x95\xEF\xBC\x90"},
                    Odd{"ArabicIndicDigits", "\xD9\xA5\xD9\xA5\xD9\xA0"},
                    Odd{"RightToLeftMarkFirst",
                        "\xE2\x80\x8F"
                        "550"},
                    Odd{"LeftToRightMarkLast", "550\xE2\x80\x8E"},
                    Odd{"ByteOrderMark",
                        "\xEF\xBB\xBF"
                        "550"},
                    Odd{"NoBreakSpace", "550\xC2\xA0"}, Odd{"Markup", "<b>550</b>"},
                    Odd{"Image", "<img src=x>"}, Odd{"Newline", "550\n"},
                    Odd{"CarriageReturn", "5\r50"}),
    [](const auto& info) { return info.param.name; });

TEST(HugeText, AMegabyteOfDigitsIsReadInFull) {
  FormDriver d;
  d.Type(Field::Current, "20");
  d.Type(Field::Voltage, "3." + std::string(1 << 20, '2'));
  EXPECT_EQ(d.model.Text(Field::Power), "64 mW");
  d.Type(Field::Voltage, std::string(1 << 20, '9'));  // 1e1048576: beyond the range
  EXPECT_EQ(d.model.Text(Field::Power), "");
  d.Type(Field::Wavelength, "550." + std::string(1 << 20, '0'));
  EXPECT_EQ(d.model.SwatchColor(), 58751);
  // Below the smallest double: not a number, so the colour stays.
  d.Type(Field::Wavelength, "0." + std::string(1 << 20, '0') + "1");
  EXPECT_EQ(d.model.SwatchColor(), 58751);
  EXPECT_FALSE(d.model.InvisibleShown());
}

}  // namespace
}  // namespace lumiq
