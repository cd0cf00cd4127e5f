#include <gtest/gtest.h>

#include <climits>
#include <limits>

#include "api/text_to_int.h"
#include "support/case_name.h"
#include "support/gbk_test_text.h"

namespace verdomo {
namespace {

using namespace verdomo::literals;

struct NumberCase {
  const char* name;
  GbkText text;
  int value;
};

class TextToInt : public testing::TestWithParam<NumberCase> {};

TEST_P(TextToInt, ReadsTheLeadingNumber) {
  EXPECT_EQ(textToInt(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextToInt,
    testing::Values(
        NumberCase{"Empty", "", 0}, NumberCase{"Plain", "10", 10},
        NumberCase{"NotANumber", "abc", 0}, NumberCase{"LeadingNumberOnly", "12abc", 12},
        NumberCase{"LeadingWhiteSpace", " \t\n7", 7}, NumberCase{"Negative", "-5", -5},
        NumberCase{"PlusSign", "+8", 8}, NumberCase{"SignAlone", "-", 0},
        NumberCase{"SpaceAfterSign", "- 5", 0}, NumberCase{"FullWidthDigits", "１０"_gbk, 10},
        NumberCase{"FullWidthSpaceAndSign", "　－３"_gbk, -3},
        NumberCase{"MixedWidths", "1２3"_gbk, 123}, NumberCase{"ChineseStopsReading", "5个"_gbk, 5},
        NumberCase{"ChineseFirst", "个5"_gbk, 0}, NumberCase{"IntMax", "2147483647", INT_MAX},
        NumberCase{"IntMin", "-2147483648", INT_MIN},
        NumberCase{"SaturatesHigh", "99999999999999999999", INT_MAX},
        NumberCase{"SaturatesLow", "-99999999999999999999", INT_MIN},
        NumberCase{"LeadByteAtEnd", "3\xA3", 3}),
    test::caseName<NumberCase>);

struct AmountCase {
  const char* name;
  GbkText text;
  float value;
};

class TextToFloat : public testing::TestWithParam<AmountCase> {};

TEST_P(TextToFloat, ReadsTheLeadingAmountAsAtofDoes) {
  EXPECT_EQ(textToFloat(GetParam().text), GetParam().value);
}

constexpr float kInfinity = std::numeric_limits<float>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Cases, TextToFloat,
    testing::Values(
        AmountCase{"Plain", "12.5", 12.5f}, AmountCase{"Negative", "-3", -3.0f},
        AmountCase{"FullWidth", "１２.５元"_gbk, 12.5f},
        // One sign only: a second sign ends the reading before any digit.
        AmountCase{"PlusThenMinus", "+-02", 0.0f}, AmountCase{"MinusTwice", "--5", 0.0f},
        AmountCase{"FullWidthSignTwice", "－－５"_gbk, 0.0f},
        // Beyond a double either way: the size of the number decides, not where its point is.
        AmountCase{"Huge", "1e999", kInfinity}, AmountCase{"HugeNegative", "-1e999", -kInfinity},
        AmountCase{"HugeFraction", "0.5e999", kInfinity},
        AmountCase{"TinyWithExponent", "1e-999", 0.0f},
        AmountCase{"TinyManyDigits", "123e-999", 0.0f}),
    test::caseName<AmountCase>);

}  // namespace
}  // namespace verdomo
