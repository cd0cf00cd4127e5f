#include "ui/worker_threads.h"

#include <condition_variable>
#include <mutex>
#include <thread>

namespace verdomo {
namespace {

struct Running {
  std::mutex mutex;
  std::condition_variable ended;
  int count = 0;
};

// Never destroyed: a worker may still be ending while the process tears down its statics.
Running& running() {
  static Running* state = new Running;
  return *state;
}

}  // namespace

void startWorkerThread(std::function<void()> work) {
  Running& state = running();
  {
    std::lock_guard lock(state.mutex);
    ++state.count;
  }
  std::thread([&state, work = std::move(work)] {
    work();
    std::lock_guard lock(state.mutex);
    --state.count;
    state.ended.notify_all();
  }).detach();
}

bool waitForWorkerThreads(std::chrono::milliseconds limit) {
  Running& state = running();
  std::unique_lock lock(state.mutex);
  return state.ended.wait_for(lock, limit, [&] { return state.count == 0; });
}

}  // namespace verdomo
