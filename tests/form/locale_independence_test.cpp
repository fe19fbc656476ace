// The window adopts the user's locale at start; numbers must not notice.
#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <string>

#include "core/numeric_text.h"
#include "core/rounding.h"
#include "form/form_model.h"
#include "tests/form/form_driver.h"

namespace lumiq {
namespace {

constexpr const char* kCommaLocales[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8"};

// Switches the C and C++ global locales to one with a decimal comma, and back.
class CommaDecimalLocale : public testing::Test {
 protected:
  void SetUp() override {
    m_savedC = std::setlocale(LC_ALL, nullptr);
    for (const char* name : kCommaLocales) {
      if (std::setlocale(LC_ALL, name) != nullptr) {
        std::locale::global(std::locale(name));
        if (std::localeconv()->decimal_point[0] == ',') return;
      }
    }
    std::setlocale(LC_ALL, m_savedC.c_str());
    GTEST_SKIP() << "no comma-decimal locale installed (scripts/install-deps makes de_DE.UTF-8)";
  }
  void TearDown() override {
    std::setlocale(LC_ALL, m_savedC.c_str());
    std::locale::global(m_savedCpp);
  }

 private:
  std::string m_savedC;
  std::locale m_savedCpp;
};

TEST_F(CommaDecimalLocale, NumberTextIgnoresTheLocale) {
  EXPECT_TRUE(IsNumericText(" 3.3 "));
  EXPECT_EQ(TextToDouble("2.5E-2"), 0.025);
  EXPECT_FALSE(IsNumericText("3,3"));
  EXPECT_EQ(DoubleToText(214.1), "214.1");
  EXPECT_EQ(DoubleToText(-1.5e-10), "-1.5E-10");
  EXPECT_EQ(DoubleToText(1234567.5), "1234567.5");
  EXPECT_EQ(RoundHalfEven(2.25, 1), 2.2);
}

TEST_F(CommaDecimalLocale, ConversionsShowTheSameText) {
  testing_support::FormDriver d;
  d.Click(Control::C_mcd);
  d.Type(Field::mlm, "100");
  d.Type(Field::deg, "30");
  d.Click(Control::Calculate);
  EXPECT_EQ(d.model.Text(Field::mcd), "467.1");
  d.Click(Control::C_mlm);
  d.Type(Field::deg, "30,5");
  d.Click(Control::Calculate);
  ASSERT_EQ(d.messages.size(), 1u);
  EXPECT_EQ(d.messages[0],
            "No acceptable numeric value entered for\rdegrees (0-360), please try again! (30,5)");
}

}  // namespace
}  // namespace lumiq
