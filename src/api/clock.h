#pragma once
// The current local time, injected so that a test can move time past a limit instead of
// waiting for it.

#include "api/date_time_text.h"

namespace verdomo {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalDateTime now() const = 0;
};

class SystemClock final : public Clock {
 public:
  LocalDateTime now() const override;
};

}  // namespace verdomo
