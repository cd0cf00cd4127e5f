// The date-time text of the number list and the calendar arithmetic of the time limits. Both
// work on the civil calendar alone: no zone and no daylight saving enter, so the elapsed time of
// a number is the difference of the two clock readings, whatever the machine's zone.
#include "api/date_time_text.h"

#include <climits>
#include <cstddef>
#include <string>

namespace verdomo {
namespace {

using namespace literals;

// The six unit markers, in the order they appear in the text.
enum Field { kYear, kMonth, kDay, kHour, kMinute, kSecond, kFieldCount };

const GbkText& marker(Field field) {
  static const GbkText markers[kFieldCount] = {"年"_gbk, "月"_gbk, "日"_gbk,
                                               "时"_gbk, "分"_gbk, "秒"_gbk};
  return markers[field];
}

constexpr long long kSecondsPerDay = 86400;

long long floorDiv(long long value, long long divisor) {
  const long long quotient = value / divisor;
  return (value % divisor != 0 && value < 0) ? quotient - 1 : quotient;
}

bool isLeapYear(long long year) {
  return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int daysInMonth(long long year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

// Days since 1970-01-01 of a proleptic Gregorian date (the well-known days_from_civil algorithm). A
// day outside its month simply counts on into the next.
long long daysFromCivil(long long year, int month, int day) {
  // Months beyond 1..12 carry into the year, so every field value gives a defined answer.
  const long long monthIndex = year * 12 + (month - 1);
  year = floorDiv(monthIndex, 12);
  const long long shiftedMonth = monthIndex - year * 12;  // 0 = January
  if (shiftedMonth < 2) --year;                           // the year counted from March
  const long long era = floorDiv(year, 400);
  const long long yearOfEra = year - era * 400;
  const long long monthFromMarch = shiftedMonth < 2 ? shiftedMonth + 10 : shiftedMonth - 2;
  const long long dayOfYear = (153 * monthFromMarch + 2) / 5 + day - 1;
  const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

// The inverse of daysFromCivil.
LocalDateTime civilFromDays(long long days) {
  days += 719468;
  const long long era = floorDiv(days, 146097);
  const long long dayOfEra = days - era * 146097;
  const long long yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const long long monthFromMarch = (5 * dayOfYear + 2) / 153;
  LocalDateTime date;
  date.day = static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
  date.month = static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
  date.year = static_cast<int>(yearOfEra + era * 400 + (date.month <= 2 ? 1 : 0));
  return date;
}

long long secondsSinceEpoch(const LocalDateTime& time) {
  return daysFromCivil(time.year, time.month, time.day) * kSecondsPerDay +
         static_cast<long long>(time.hour) * 3600 + static_cast<long long>(time.minute) * 60 +
         time.second;
}

bool isValid(const LocalDateTime& time) {
  return time.month >= 1 && time.month <= 12 && time.day >= 1 &&
         time.day <= daysInMonth(time.year, time.month) && time.hour >= 0 && time.hour <= 23 &&
         time.minute >= 0 && time.minute <= 59 && time.second >= 0 && time.second <= 59;
}

// Reads ASCII digits (a minus sign first when `allowSign`) at `position` into `value`; false
// when there are none or the number does not fit an int.
bool readNumber(std::string_view text, std::size_t& position, bool allowSign, int& value) {
  bool negative = false;
  if (allowSign && position < text.size() && text[position] == '-') {
    negative = true;
    ++position;
  }
  long long magnitude = 0;
  const std::size_t first = position;
  while (position < text.size() && text[position] >= '0' && text[position] <= '9') {
    magnitude = magnitude * 10 + (text[position] - '0');
    if (magnitude > static_cast<long long>(INT_MAX) + 1) return false;
    ++position;
  }
  if (position == first) return false;
  const long long signedValue = negative ? -magnitude : magnitude;
  if (signedValue > INT_MAX) return false;
  value = static_cast<int>(signedValue);
  return true;
}

bool readMarker(std::string_view text, std::size_t& position, Field field) {
  const GbkText& expected = marker(field);
  if (text.substr(position, expected.size()) != expected) return false;
  position += expected.size();
  return true;
}

}  // namespace

GbkText formatDateTimeText(const LocalDateTime& time) {
  const int values[kFieldCount] = {time.year, time.month,  time.day,
                                   time.hour, time.minute, time.second};
  // The date always; of the time, everything up to the last part that is not zero.
  int lastField = kDay;
  if (time.second != 0) {
    lastField = kSecond;
  } else if (time.minute != 0) {
    lastField = kMinute;
  } else if (time.hour != 0) {
    lastField = kHour;
  }
  GbkText text;
  for (int field = kYear; field <= lastField; ++field) {
    text += std::to_string(values[field]);
    text += marker(static_cast<Field>(field));
  }
  return text;
}

std::optional<LocalDateTime> parseDateTimeText(std::string_view gbkText) {
  int values[kFieldCount] = {0, 0, 0, 0, 0, 0};
  std::size_t position = 0;
  for (int field = kYear; field < kFieldCount; ++field) {
    if (field > kDay && position == gbkText.size()) break;
    if (!readNumber(gbkText, position, field == kYear, values[field]) ||
        !readMarker(gbkText, position, static_cast<Field>(field))) {
      return std::nullopt;
    }
  }
  if (position != gbkText.size()) return std::nullopt;

  const LocalDateTime time{values[kYear], values[kMonth],  values[kDay],
                           values[kHour], values[kMinute], values[kSecond]};
  if (!isValid(time)) return std::nullopt;
  // Only the exact form the formatter writes: no leading zeros, no "0时" at midnight, no
  // trailing "0分" or "0秒".
  if (formatDateTimeText(time) != gbkText) return std::nullopt;
  return time;
}

long long secondsBetween(const LocalDateTime& from, const LocalDateTime& to) {
  return secondsSinceEpoch(to) - secondsSinceEpoch(from);
}

bool waitedMoreThan(std::string_view takeTime, const LocalDateTime& now, long long limit) {
  const std::optional<LocalDateTime> taken = parseDateTimeText(takeTime);
  return !taken || secondsBetween(*taken, now) > limit;
}

LocalDateTime addSeconds(const LocalDateTime& time, long long seconds) {
  const long long total = secondsSinceEpoch(time) + seconds;
  const long long days = floorDiv(total, kSecondsPerDay);
  const long long secondOfDay = total - days * kSecondsPerDay;
  LocalDateTime result = civilFromDays(days);
  result.hour = static_cast<int>(secondOfDay / 3600);
  result.minute = static_cast<int>(secondOfDay % 3600 / 60);
  result.second = static_cast<int>(secondOfDay % 60);
  return result;
}

}  // namespace verdomo
