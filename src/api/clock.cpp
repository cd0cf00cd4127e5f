#include "api/clock.h"

#include "platform/local_time.h"

namespace verdomo {

LocalDateTime SystemClock::now() const {
  const std::tm local = localTimeNow();
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
          local.tm_hour,        local.tm_min,     local.tm_sec};
}

}  // namespace verdomo
