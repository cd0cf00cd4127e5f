#pragma once
// Waiting between requests. Handlers and workers receive a Pause instead of sleeping themselves:
// on the UI thread it keeps the window's events flowing, on a worker it sleeps and wakes early
// when the worker is told to stop.

#include <condition_variable>
#include <mutex>
#include <stop_token>

namespace verdomo {

class Pause {
 public:
  virtual ~Pause() = default;
  virtual void pause(int milliseconds) = 0;
  // True once whoever waits has been told to stop; a loop then ends at its next pause.
  virtual bool stopRequested() const { return false; }
};

// Scales every pause. Production runs at 1; tests shrink five-second passes to milliseconds.
struct Pacing {
  double scale = 1.0;
  // Above 0, no request of a user's action waits longer than this, so that a test's silent
  // server fails in about a second; production leaves it at 0, the platform's own time-outs.
  int requestTimeoutCapMs = 0;
  int scaled(int milliseconds) const;
  int requestTimeout(int milliseconds) const;
};

// The worker-thread pause: sleeps for the scaled time, or until `stop` is requested.
class SleepingPause final : public Pause {
 public:
  explicit SleepingPause(Pacing pacing, std::stop_token stop = {});
  void pause(int milliseconds) override;
  bool stopRequested() const override { return stop_.stop_requested(); }

 private:
  Pacing pacing_;
  std::stop_token stop_;
  std::mutex mutex_;
  std::condition_variable_any wakeUp_;
};

}  // namespace verdomo
