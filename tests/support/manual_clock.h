#pragma once
// A clock the test sets and moves by hand, so a time limit can be passed without waiting for it.
// Workers and scripted servers read it on their own threads, so every access holds a lock.

#include <mutex>

#include "api/clock.h"
#include "api/date_time_text.h"

namespace verdomo::test {

class ManualClock final : public Clock {
 public:
  explicit ManualClock(const LocalDateTime& start = {}) : now_(start) {}

  LocalDateTime now() const override {
    std::lock_guard lock(mutex_);
    return now_;
  }
  void set(const LocalDateTime& time) {
    std::lock_guard lock(mutex_);
    now_ = time;
  }
  // Moves the clock on by `seconds` (back when negative).
  void advanceSeconds(long long seconds) {
    std::lock_guard lock(mutex_);
    now_ = addSeconds(now_, seconds);
  }

 private:
  mutable std::mutex mutex_;
  LocalDateTime now_;
};

}  // namespace verdomo::test
