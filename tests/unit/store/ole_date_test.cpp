#include <gtest/gtest.h>

#include <limits>
#include <ostream>

#include "store/ole_date.h"
#include "support/case_name.h"

namespace verdomo {
namespace {

struct DateCase {
  const char* name;
  friend void PrintTo(const DateCase& c, std::ostream* out) { *out << c.name; }
  LocalDateTime time;
  double value;
};

class OleDate : public testing::TestWithParam<DateCase> {};

TEST_P(OleDate, CountsDaysFromTheOriginWithTheTimeAsFraction) {
  EXPECT_EQ(toOleDate(GetParam().time), GetParam().value);
  EXPECT_EQ(fromOleDate(GetParam().value), GetParam().time);
}

INSTANTIATE_TEST_SUITE_P(
    KnownValues, OleDate,
    testing::Values(DateCase{"Origin", {1899, 12, 30, 0, 0, 0}, 0.0},
                    DateCase{"NoonTwoDaysLater", {1900, 1, 1, 12, 0, 0}, 2.5},
                    DateCase{"LeapYear", {2024, 3, 5, 0, 0, 0}, 45356.0},
                    // Before the origin the days count back and the fraction still forward.
                    DateCase{"MorningTheDayBefore", {1899, 12, 29, 6, 0, 0}, -1.25}),
    test::caseName<DateCase>);

struct RoundTripCase {
  const char* name;
  friend void PrintTo(const RoundTripCase& c, std::ostream* out) { *out << c.name; }
  LocalDateTime time;
};

class OleDateRoundTrip : public testing::TestWithParam<RoundTripCase> {};

TEST_P(OleDateRoundTrip, ReadsBackToTheSecond) {
  EXPECT_EQ(fromOleDate(toOleDate(GetParam().time)), GetParam().time);
}

INSTANTIATE_TEST_SUITE_P(
    Times, OleDateRoundTrip,
    testing::Values(RoundTripCase{"Today", {2024, 3, 5, 9, 7, 3}},
                    RoundTripCase{"LastSecondOfADay", {2024, 2, 29, 23, 59, 59}},
                    RoundTripCase{"FirstSecondOfADay", {2031, 1, 1, 0, 0, 1}},
                    RoundTripCase{"LastSecondBeforeTheOrigin", {1899, 12, 29, 23, 59, 59}},
                    RoundTripCase{"LongBeforeTheOrigin", {1601, 7, 14, 13, 31, 17}},
                    RoundTripCase{"FirstDay", {100, 1, 1, 0, 0, 0}},
                    RoundTripCase{"LastSecond", {9999, 12, 31, 23, 59, 59}}),
    test::caseName<RoundTripCase>);

TEST(OleDate, ReadsValuesNoDateGivesAsTheOrigin) {
  const LocalDateTime origin{1899, 12, 30, 0, 0, 0};
  EXPECT_EQ(fromOleDate(std::numeric_limits<double>::quiet_NaN()), origin);
  EXPECT_EQ(fromOleDate(std::numeric_limits<double>::infinity()), origin);
  EXPECT_EQ(fromOleDate(1e300), origin);
  EXPECT_EQ(fromOleDate(-1e300), origin);
}

}  // namespace
}  // namespace verdomo
