#include <gtest/gtest.h>

#include <climits>

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

}  // namespace
}  // namespace verdomo
