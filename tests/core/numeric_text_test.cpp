#include "core/numeric_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <string>
#include <vector>

namespace lumiq {
namespace {

struct Accepted {
  const char* name;
  std::string text;
  double value;
};

class AcceptedText : public testing::TestWithParam<Accepted> {};

TEST_P(AcceptedText, IsNumericAndConvertsToItsValue) {
  const Accepted& row = GetParam();
  ASSERT_TRUE(IsNumericText(row.text)) << '"' << row.text << '"';
  const double value = TextToDouble(row.text);
  EXPECT_EQ(value, row.value);
  EXPECT_EQ(std::signbit(value), std::signbit(row.value));
}

INSTANTIATE_TEST_SUITE_P(
    Forms, AcceptedText,
    testing::Values(
        Accepted{"Integer", "12", 12.0}, Accepted{"Decimal", "214.1", 214.1},
        Accepted{"BlanksAround", " 3.3 ", 3.3}, Accepted{"TabsAround", "\t3.3\t", 3.3},
        Accepted{"ManyBlanks", "   7   ", 7.0}, Accepted{"PlusSign", "+5", 5.0},
        Accepted{"MinusSign", "-1000", -1000.0}, Accepted{"BlankBeforeSign", " -2", -2.0},
        Accepted{"BareFraction", ".5", 0.5}, Accepted{"SignedBareFraction", "-.5", -0.5},
        Accepted{"TrailingPoint", "5.", 5.0}, Accepted{"TrailingPointExponent", "5.e1", 50.0},
        Accepted{"Exponent", "1e3", 1000.0}, Accepted{"UpperExponentNegative", "2.5E-2", 0.025},
        Accepted{"ExponentPlus", "1e+3", 1000.0}, Accepted{"LeadingZeros", "0007.50", 7.5},
        Accepted{"NegativeZero", "-0", -0.0}, Accepted{"ZeroHugeExponent", "0e999999", 0.0},
        Accepted{"LargestDouble", "1.7976931348623157e308", 1.7976931348623157e308},
        Accepted{"Subnormal", "5e-324", 5e-324},
        Accepted{"RoundsUpToTheSmallestSubnormal", "3e-324", 5e-324},
        Accepted{"LongMantissa", "0.1000000000000000000000000000000000000001", 0.1},
        Accepted{"CorrectlyRoundedHalfway", "9007199254740993", 9007199254740992.0},
        Accepted{"ZeroPaddedZero", "0." + std::string(350, '0'), 0.0},
        Accepted{"ZeroPaddedWithExponent", "0." + std::string(350, '0') + "1e350", 0.1},
        Accepted{"ZeroPaddedSmall", "0." + std::string(350, '0') + "1e250", 1e-101}),
    [](const auto& info) { return info.param.name; });

struct Rejected {
  const char* name;
  std::string text;
};

class RejectedText : public testing::TestWithParam<Rejected> {};

TEST_P(RejectedText, IsNotNumericAndCannotBeConverted) {
  const Rejected& row = GetParam();
  EXPECT_FALSE(IsNumericText(row.text)) << '"' << row.text << '"';
  EXPECT_FALSE(ParseNumericText(row.text).has_value());
  EXPECT_TRUE(std::isnan(TextToDouble(row.text)));
}

INSTANTIATE_TEST_SUITE_P(
    Forms, RejectedText,
    testing::Values(Rejected{"Empty", ""}, Rejected{"BlanksOnly", "   "}, Rejected{"PlusOnly", "+"},
                    Rejected{"MinusOnly", "-"}, Rejected{"PointOnly", "."},
                    Rejected{"SignAndPoint", "-."}, Rejected{"ExponentWithoutDigits", "1e"},
                    Rejected{"ExponentSignWithoutDigits", "1e+"}, Rejected{"ExponentOnly", "e5"},
                    Rejected{"PointThenExponent", ".e5"}, Rejected{"PromptVolts", "in Volts"},
                    Rejected{"PromptMilliAmps", "in milliAmps"}, Rejected{"PromptNm", "in nm"},
                    Rejected{"Inf", "inf"}, Rejected{"Infinity", "infinity"},
                    Rejected{"Nan", "nan"}, Rejected{"SignedInf", "-inf"},
                    Rejected{"Hexadecimal", "0x1A"}, Rejected{"TrailingLetter", "12a"},
                    Rejected{"Unit", "3.3 V"}, Rejected{"DoubleSign", "--5"},
                    Rejected{"SignAfterBlank", "- 5"}, Rejected{"BlankInside", "1 000"},
                    Rejected{"GroupSeparator", "1,000"}, Rejected{"DecimalComma", "3,3"},
                    Rejected{"TwoPoints", "1.2.3"}, Rejected{"Overflow", "1e400"},
                    Rejected{"NegativeOverflow", "-1e400"},
                    Rejected{"JustPastLargest", "1.7976931348623159e308"},
                    Rejected{"UnderflowToZero", "1e-400"},
                    Rejected{"BelowHalfTheSmallestSubnormal", "2.4e-324"},
                    Rejected{"ZeroPaddedUnderflow", "0." + std::string(350, '0') + "1e-100"},
                    Rejected{"HugeExponentDigits", "1e99999999999999999999"},
                    Rejected{"NulInside", std::string("1\0"
                                                      "2",
                                                      3)},
                    Rejected{"NewlineAfter", "5\n"},
                    Rejected{"NoBreakSpace",
                             "\xC2\xA0"
                             "5"},
                    Rejected{"FullWidthDigit", "\xEF\xBC\x95"},
                    Rejected{"ArabicIndicDigit", "\xD9\xA5"}, Rejected{"InvalidUtf8", "5\xFF"}),
    [](const auto& info) { return info.param.name; });

// An independent statement of the grammar, to compare against on many texts.
const std::regex kGrammar(R"(^[ \t]*[+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)?[ \t]*$)");

std::vector<std::string> GeneratedTexts() {
  const std::vector<std::string> pieces = {"",  " ", "\t", "+", "-", "0", "7", "12", ".",
                                           "e", "E", "e-", "5", "x", ",", "9", "e+", "in"};
  std::vector<std::string> texts = {""};
  for (int length = 0; length < 4; ++length) {
    const std::size_t before = texts.size();
    for (std::size_t i = 0; i < before; ++i) {
      for (const std::string& piece : pieces) texts.push_back(texts[i] + piece);
    }
  }
  return texts;
}

TEST(NumericTextAgreement, TestAndConversionAgreeWithTheGrammarOnGeneratedTexts) {
  int accepted = 0;
  for (const std::string& text : GeneratedTexts()) {
    const bool numeric = IsNumericText(text);
    // Short mantissas with exponents of three or more digits may leave the
    // double range; the grammar alone decides the rest.
    std::smatch match;
    const bool grammatical = std::regex_match(text, match, kGrammar);
    if (!grammatical || match[2].length() < 4) {
      ASSERT_EQ(numeric, grammatical) << '"' << text << '"';
    }
    if (numeric) {
      ++accepted;
      ASSERT_TRUE(std::isfinite(TextToDouble(text))) << '"' << text << '"';
    } else {
      ASSERT_TRUE(std::isnan(TextToDouble(text))) << '"' << text << '"';
    }
  }
  EXPECT_GT(accepted, 1000);  // the generator really reaches the accepted forms
}

}  // namespace
}  // namespace lumiq
