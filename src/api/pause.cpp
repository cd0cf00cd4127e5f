#include "api/pause.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>

namespace verdomo {

int Pacing::scaled(int milliseconds) const {
  if (milliseconds <= 0) return 0;
  return static_cast<int>(std::lround(milliseconds * scale));
}

int Pacing::requestTimeout(int milliseconds) const {
  return requestTimeoutCapMs > 0 ? std::min(milliseconds, requestTimeoutCapMs) : milliseconds;
}

SleepingPause::SleepingPause(Pacing pacing, std::stop_token stop)
    : pacing_(pacing), stop_(std::move(stop)) {}

void SleepingPause::pause(int milliseconds) {
  const auto duration = std::chrono::milliseconds(pacing_.scaled(milliseconds));
  if (duration.count() == 0) {
    std::this_thread::yield();
    return;
  }
  std::unique_lock lock(mutex_);
  wakeUp_.wait_for(lock, stop_, duration, [] { return false; });
}

}  // namespace verdomo
