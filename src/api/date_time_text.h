#pragma once
// The text form of a local date-time kept in list rows: 2024年3月5日9时7分3秒. Trailing zero
// parts are left out: 2024年3月5日9时7分, 2024年3月5日9时, and at midnight 2024年3月5日.

#include <compare>
#include <optional>
#include <string_view>

#include "platform/gbk_codec.h"

namespace verdomo {

// A civil date-time without a zone, as the local clock shows it.
struct LocalDateTime {
  int year = 1970;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
  auto operator<=>(const LocalDateTime&) const = default;
};

GbkText formatDateTimeText(const LocalDateTime& time);

// Reads back every text formatDateTimeText produces; nothing for any other text or an
// impossible date.
std::optional<LocalDateTime> parseDateTimeText(std::string_view gbkText);

// Whole seconds from `from` to `to` on the civil calendar, negative when `to` is earlier.
long long secondsBetween(const LocalDateTime& from, const LocalDateTime& to);

// Whether more than `limit` whole seconds have passed from `takeTime` to `now`. A take time that
// cannot be read cannot be timed either; it counts as past the limit rather than waiting for ever.
bool waitedMoreThan(std::string_view takeTime, const LocalDateTime& now, long long limit);

// The same time `seconds` later (or earlier, when negative).
LocalDateTime addSeconds(const LocalDateTime& time, long long seconds);

}  // namespace verdomo
