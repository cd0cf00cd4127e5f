#pragma once
// Background workers run on detached threads: nothing waits for them while the client runs, and
// the client's exit ends them with the process. A test's main, though, returns normally and then
// tears down the process's statics; it waits here first for the last worker to end, so that no
// worker meets a destroyed object. Workers end soon once their window is gone (their pauses end,
// their reads answer nothing), or after their request's time-outs at the latest.

#include <chrono>
#include <functional>

namespace verdomo {

// Runs `work` on a detached thread that is counted while it runs.
void startWorkerThread(std::function<void()> work);

// Waits until no counted worker runs, or `limit` has passed; answers whether none runs.
bool waitForWorkerThreads(std::chrono::milliseconds limit);

}  // namespace verdomo
