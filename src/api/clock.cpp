#include "api/clock.h"

#include <algorithm>

#include "platform/local_time.h"

namespace verdomo {

LocalDateTime SystemClock::now() const {
  std::tm local = localTimeNow();
  // A leap second (60) would give a time no date-time text can hold.
  local.tm_sec = std::min(local.tm_sec, 59);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
          local.tm_hour,        local.tm_min,     local.tm_sec};
}

}  // namespace verdomo
