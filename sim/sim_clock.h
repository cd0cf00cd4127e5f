#pragma once
// The platform's sense of time: the wall clock plus an offset that tests move forward, so an
// SMS due in ten seconds or a ten-minute withdrawal spacing can pass without waiting.

#include <atomic>
#include <chrono>

namespace verdomo::sim {

class SimClock {
 public:
  using TimePoint = std::chrono::system_clock::time_point;

  TimePoint now() const {
    return std::chrono::system_clock::now() + std::chrono::system_clock::duration(offset_.load());
  }
  void advance(std::chrono::system_clock::duration by) { offset_ += by.count(); }

 private:
  std::atomic<std::chrono::system_clock::duration::rep> offset_{0};
};

}  // namespace verdomo::sim
