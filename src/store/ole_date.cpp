#include "store/ole_date.h"

#include <chrono>
#include <cmath>

namespace verdomo {
namespace {

using namespace std::chrono;

constexpr sys_days kOrigin{year{1899} / December / 30};
constexpr long long kSecondsPerDay = 86400;
// The first and the last day an OLE date may name: 0100-01-01 and 9999-12-31.
constexpr long long kFirstDay = (sys_days{year{100} / January / 1} - kOrigin).count();
constexpr long long kLastDay = (sys_days{year{9999} / December / 31} - kOrigin).count();

long long dayNumber(const LocalDateTime& time) {
  const year_month_day date{year{time.year}, month{static_cast<unsigned>(time.month)},
                            day{static_cast<unsigned>(time.day)}};
  return (sys_days{date} - kOrigin).count();
}

LocalDateTime fromDayAndSecond(long long dayCount, long long second) {
  const year_month_day date{kOrigin + days{dayCount}};
  return LocalDateTime{static_cast<int>(date.year()),
                       static_cast<int>(static_cast<unsigned>(date.month())),
                       static_cast<int>(static_cast<unsigned>(date.day())),
                       static_cast<int>(second / 3600),
                       static_cast<int>(second / 60 % 60),
                       static_cast<int>(second % 60)};
}

}  // namespace

double toOleDate(const LocalDateTime& time) {
  const long long dayCount = dayNumber(time);
  const double fraction =
      static_cast<double>(3600LL * time.hour + 60LL * time.minute + time.second) / kSecondsPerDay;
  return dayCount >= 0 ? static_cast<double>(dayCount) + fraction
                       : static_cast<double>(dayCount) - fraction;
}

LocalDateTime fromOleDate(double value) {
  // Checked before any conversion to an integer, which would be undefined for such values.
  if (!std::isfinite(value) || value <= kFirstDay - 1 || value >= kLastDay + 1) {
    return fromDayAndSecond(0, 0);
  }
  const double wholeDays = std::trunc(value);
  long long dayCount = static_cast<long long>(wholeDays);
  long long second = std::llround(std::fabs(value - wholeDays) * kSecondsPerDay);
  if (second == kSecondsPerDay) {  // rounded up to the next midnight
    second = 0;
    ++dayCount;
  }
  return fromDayAndSecond(dayCount, second);
}

}  // namespace verdomo
