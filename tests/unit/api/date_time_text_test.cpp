#include "api/date_time_text.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <ostream>
#include <random>
#include <string>

#include "support/case_name.h"

namespace verdomo {

// Failures print the time readably.
void PrintTo(const LocalDateTime& t, std::ostream* out) {
  *out << t.year << '-' << t.month << '-' << t.day << ' ' << t.hour << ':' << t.minute << ':'
       << t.second;
}

namespace {

using test::caseName;

LocalDateTime at(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
  return {year, month, day, hour, minute, second};
}

// Seconds since 1970-01-01 00:00:00 by the standard library's calendar: the reference the
// civil arithmetic is checked against.
long long referenceSeconds(const LocalDateTime& t) {
  using namespace std::chrono;
  const sys_days date{year{t.year} / month{static_cast<unsigned>(t.month)} /
                      day{static_cast<unsigned>(t.day)}};
  return (date.time_since_epoch() + hours{t.hour} + minutes{t.minute} + seconds{t.second}).count();
}

// The reverse, by the standard library as well.
LocalDateTime referenceTime(long long secondsSinceEpoch) {
  using namespace std::chrono;
  const sys_seconds point{seconds{secondsSinceEpoch}};
  const sys_days date = floor<days>(point);
  const year_month_day ymd{date};
  const hh_mm_ss clock{point - date};
  return {static_cast<int>(ymd.year()),
          static_cast<int>(static_cast<unsigned>(ymd.month())),
          static_cast<int>(static_cast<unsigned>(ymd.day())),
          static_cast<int>(clock.hours().count()),
          static_cast<int>(clock.minutes().count()),
          static_cast<int>(clock.seconds().count())};
}

struct FormatCase {
  std::string name;
  LocalDateTime time;
  std::string text;  // UTF-8
};

void PrintTo(const FormatCase& c, std::ostream* out) {
  *out << c.name;
}

class DateTimeTextForms : public testing::TestWithParam<FormatCase> {};

TEST_P(DateTimeTextForms, Formats) {
  EXPECT_EQ(gbkToUtf8(formatDateTimeText(GetParam().time)), GetParam().text);
}

TEST_P(DateTimeTextForms, ParsesBack) {
  EXPECT_EQ(parseDateTimeText(utf8ToGbk(GetParam().text)), GetParam().time);
}

INSTANTIATE_TEST_SUITE_P(
    Rule, DateTimeTextForms,
    testing::Values(
        FormatCase{"SecondsSet", at(2024, 3, 5, 9, 7, 3), "2024年3月5日9时7分3秒"},
        FormatCase{"Midnight", at(2024, 3, 5), "2024年3月5日"},
        FormatCase{"WholeHour", at(2024, 3, 5, 10), "2024年3月5日10时"},
        FormatCase{"WholeMinuteInHourZero", at(2024, 3, 5, 0, 5), "2024年3月5日0时5分"},
        FormatCase{"SecondsAfterMidnight", at(2024, 3, 5, 0, 0, 7), "2024年3月5日0时0分7秒"},
        FormatCase{"SecondsInMinuteZero", at(2024, 3, 5, 23, 0, 59), "2024年3月5日23时0分59秒"},
        FormatCase{"WholeMinute", at(2024, 12, 31, 12, 30), "2024年12月31日12时30分"},
        FormatCase{"LeapDay", at(2000, 2, 29, 23, 59, 59), "2000年2月29日23时59分59秒"}),
    caseName<FormatCase>);

// Every second of a day, in every form the rule has.
TEST(DateTimeText, ParsesEveryTimeOfADay) {
  for (int second = 0; second < 86400; ++second) {
    const LocalDateTime time = at(2024, 2, 29, second / 3600, second / 60 % 60, second % 60);
    const GbkText text = formatDateTimeText(time);
    ASSERT_EQ(parseDateTimeText(text), time) << gbkToUtf8(text);
  }
}

// Every day of years around the turns of centuries and the leap years clients see, at the
// times where the form changes.
TEST(DateTimeText, ParsesEveryDayOfManyYears) {
  const int clockTimes[][3] = {{0, 0, 0}, {0, 0, 1},   {0, 1, 0},   {1, 0, 0},
                               {9, 9, 9}, {10, 10, 0}, {23, 59, 59}};
  for (const int firstYear : {1899, 1999, 2023, 2099}) {
    const long long first = referenceSeconds(at(firstYear, 1, 1));
    const long long last = referenceSeconds(at(firstYear + 3, 1, 1));
    for (long long midnight = first; midnight < last; midnight += 86400) {
      for (const auto& [hour, minute, second] : clockTimes) {
        const LocalDateTime time = referenceTime(midnight + hour * 3600 + minute * 60 + second);
        const GbkText text = formatDateTimeText(time);
        ASSERT_EQ(parseDateTimeText(text), time) << gbkToUtf8(text);
      }
    }
  }
}

struct RejectCase {
  std::string name;
  std::string text;  // UTF-8
};

void PrintTo(const RejectCase& c, std::ostream* out) {
  *out << c.name;
}

class DateTimeTextRejects : public testing::TestWithParam<RejectCase> {};

TEST_P(DateTimeTextRejects, ParsesToNothing) {
  const std::optional<LocalDateTime> parsed = parseDateTimeText(utf8ToGbk(GetParam().text));
  EXPECT_FALSE(parsed.has_value()) << testing::PrintToString(*parsed);
}

INSTANTIATE_TEST_SUITE_P(Malformed, DateTimeTextRejects,
                         testing::Values(RejectCase{"Empty", ""}, RejectCase{"YearOnly", "2024年"},
                                         RejectCase{"NoDay", "2024年3月"},
                                         RejectCase{"DayWithoutMarker", "2024年3月5"},
                                         RejectCase{"HourWithoutMarker", "2024年3月5日9"},
                                         RejectCase{"SecondWithoutMarker", "2024年3月5日9时7分3"},
                                         RejectCase{"MinuteWithoutHour", "2024年3月5日7分"},
                                         RejectCase{"MarkersOutOfOrder", "2024月3年5日"},
                                         RejectCase{"NumberMissing", "2024年月5日"},
                                         RejectCase{"TrailingJunk", "2024年3月5日9时7分3秒x"},
                                         RejectCase{"TrailingSpace", "2024年3月5日 "},
                                         RejectCase{"LeadingSpace", " 2024年3月5日"},
                                         RejectCase{"FullWidthDigits", "２０２４年3月5日"},
                                         RejectCase{"PlusSign", "+2024年3月5日"},
                                         RejectCase{"NegativeMonth", "2024年-3月5日"},
                                         RejectCase{"YearBeyondInt", "99999999999年1月1日"}),
                         caseName<RejectCase>);

INSTANTIATE_TEST_SUITE_P(
    Impossible, DateTimeTextRejects,
    testing::Values(RejectCase{"TwentyNinthFebruaryOfCommonYear", "2023年2月29日"},
                    RejectCase{"TwentyNinthFebruaryOfCentury", "1900年2月29日"},
                    RejectCase{"ThirtiethFebruary", "2024年2月30日"},
                    RejectCase{"ThirtyFirstApril", "2024年4月31日"},
                    RejectCase{"MonthThirteen", "2024年13月1日"},
                    RejectCase{"MonthZero", "2024年0月1日"}, RejectCase{"DayZero", "2024年3月0日"},
                    RejectCase{"Hour24", "2024年3月5日24时"},
                    RejectCase{"Hour25", "2024年3月5日25时"},
                    RejectCase{"Minute60", "2024年3月5日9时60分"},
                    RejectCase{"Second60", "2024年3月5日9时7分60秒"}),
    caseName<RejectCase>);

// Texts that name a real time but that the rule never writes.
INSTANTIATE_TEST_SUITE_P(NotTheRulesForm, DateTimeTextRejects,
                         testing::Values(RejectCase{"LeadingZeros", "2024年03月05日"},
                                         RejectCase{"LeadingZeroHour", "2024年3月5日09时7分3秒"},
                                         RejectCase{"HourZeroAtMidnight", "2024年3月5日0时"},
                                         RejectCase{"TrailingZeroMinutes", "2024年3月5日9时0分"},
                                         RejectCase{"TrailingZeroSeconds",
                                                    "2024年3月5日9时7分0秒"}),
                         caseName<RejectCase>);

TEST(DateTimeText, RejectsUtf8Text) {
  EXPECT_FALSE(parseDateTimeText("2024年3月5日").has_value());  // the UTF-8 bytes, not GBK
}

struct IntervalCase {
  std::string name;
  LocalDateTime from;
  LocalDateTime to;
  long long seconds;
};

void PrintTo(const IntervalCase& c, std::ostream* out) {
  *out << c.name;
}

class DateTimeSeconds : public testing::TestWithParam<IntervalCase> {};

TEST_P(DateTimeSeconds, CountsTheSecondsBetween) {
  EXPECT_EQ(secondsBetween(GetParam().from, GetParam().to), GetParam().seconds);
}

TEST_P(DateTimeSeconds, AddsThemBack) {
  EXPECT_EQ(addSeconds(GetParam().from, GetParam().seconds), GetParam().to);
  EXPECT_EQ(addSeconds(GetParam().to, -GetParam().seconds), GetParam().from);
}

INSTANTIATE_TEST_SUITE_P(
    Intervals, DateTimeSeconds,
    testing::Values(
        IntervalCase{"Same", at(2024, 3, 5, 9, 7, 3), at(2024, 3, 5, 9, 7, 3), 0},
        IntervalCase{"TimeLimitAcrossMidnight", at(2024, 3, 5, 23, 57, 30),
                     at(2024, 3, 6, 0, 2, 30), 300},
        IntervalCase{"JustPastTheLimitAcrossNewYear", at(2023, 12, 31, 23, 59, 59),
                     at(2024, 1, 1, 0, 5), 301},
        IntervalCase{"AcrossALeapDay", at(2024, 2, 28, 23, 59, 59), at(2024, 3, 1), 86401},
        IntervalCase{"AcrossTheEndOfACommonFebruary", at(2023, 2, 28), at(2023, 3, 1), 86400},
        IntervalCase{"CenturyWithoutLeapDay", at(2100, 2, 28), at(2100, 3, 1), 86400},
        IntervalCase{"EarlierIsNegative", at(2024, 3, 5, 0, 0, 1), at(2024, 3, 4, 23, 59, 59), -2},
        IntervalCase{"LeapYear", at(2024, 1, 1), at(2025, 1, 1), 366LL * 86400},
        IntervalCase{"FourHundredYears", at(1600, 3, 1), at(2000, 3, 1), 146097LL * 86400},
        IntervalCase{"BeforeTheEpoch", at(1969, 12, 31, 23, 59, 59), at(1970, 1, 1), 1}),
    caseName<IntervalCase>);

// Many random pairs across two millennia against the standard library's calendar.
TEST(DateTimeSecondsProperty, AgreesWithTheStandardCalendar) {
  std::mt19937_64 random(20240305);
  std::uniform_int_distribution<long long> anySecond(referenceSeconds(at(1000, 1, 1)),
                                                     referenceSeconds(at(3000, 1, 1)));
  for (int i = 0; i < 20000; ++i) {
    const long long a = anySecond(random);
    const long long b = anySecond(random);
    const LocalDateTime from = referenceTime(a);
    const LocalDateTime to = referenceTime(b);
    ASSERT_EQ(secondsBetween(from, to), b - a);
    ASSERT_EQ(addSeconds(from, b - a), to);
  }
}

// The zone of the process must not matter: a day with a daylight-saving change has 86400 civil
// seconds, and the elapsed time across the change is the difference of the clock readings.
TEST(DateTimeSecondsProperty, IgnoresTheProcessZone) {
  const char* previous = std::getenv("TZ");
  const std::string saved = previous ? previous : "";
  setenv("TZ", "America/New_York", 1);
  tzset();
  EXPECT_EQ(secondsBetween(at(2024, 3, 10), at(2024, 3, 11)), 86400);
  EXPECT_EQ(secondsBetween(at(2024, 3, 10, 1, 59, 59), at(2024, 3, 10, 3)), 3601);
  EXPECT_EQ(addSeconds(at(2024, 11, 3, 1, 30), 3600), at(2024, 11, 3, 2, 30));
  if (previous) {
    setenv("TZ", saved.c_str(), 1);
  } else {
    unsetenv("TZ");
  }
  tzset();
}

}  // namespace
}  // namespace verdomo
