#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "api/pause.h"

namespace verdomo {
namespace {

using Clock = std::chrono::steady_clock;

TEST(Pacing, ScalesEveryPause) {
  EXPECT_EQ(Pacing{}.scaled(5000), 5000);
  EXPECT_EQ(Pacing{0.001}.scaled(5000), 5);
  EXPECT_EQ(Pacing{0.001}.scaled(400), 0);  // rounds to nothing rather than to a full tick
  EXPECT_EQ(Pacing{1.0}.scaled(-3), 0);
}

TEST(SleepingPause, SleepsForTheScaledTime) {
  SleepingPause pause(Pacing{0.01});
  const auto start = Clock::now();
  pause.pause(5000);  // 50 ms
  const auto elapsed = Clock::now() - start;
  EXPECT_GE(elapsed, std::chrono::milliseconds(45));
  EXPECT_LT(elapsed, std::chrono::seconds(3));
}

TEST(SleepingPause, WakesAtOnceWhenTheWorkerIsToldToStop) {
  std::stop_source stop;
  SleepingPause pause(Pacing{}, stop.get_token());
  std::thread stopper([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    stop.request_stop();
  });
  const auto start = Clock::now();
  pause.pause(60000);
  EXPECT_LT(Clock::now() - start, std::chrono::seconds(5));
  EXPECT_TRUE(pause.stopRequested());
  stopper.join();

  const auto again = Clock::now();
  pause.pause(60000);  // a stopped worker's pauses no longer wait
  EXPECT_LT(Clock::now() - again, std::chrono::seconds(1));
}

}  // namespace
}  // namespace verdomo
