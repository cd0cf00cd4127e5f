#pragma once
// Owned by a window or page that starts workers: when it goes, its workers are told to stop,
// so their pauses end at once and their last writes are dropped with the window.

#include <stop_token>

namespace verdomo {

class WorkerStop {
 public:
  WorkerStop() = default;
  ~WorkerStop() { source_.request_stop(); }
  WorkerStop(const WorkerStop&) = delete;
  WorkerStop& operator=(const WorkerStop&) = delete;

  std::stop_token token() const { return source_.get_token(); }

 private:
  std::stop_source source_;
};

}  // namespace verdomo
