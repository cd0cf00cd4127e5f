#pragma once

#include "api/pause.h"

namespace verdomo {

// The UI-thread pause: runs a local event loop for the scaled time, so windows paint, timers
// tick and other handlers (a second click included) may run inside it.
class EventLoopPause final : public Pause {
 public:
  explicit EventLoopPause(Pacing pacing) : pacing_(pacing) {}
  void pause(int milliseconds) override;

 private:
  Pacing pacing_;
};

}  // namespace verdomo
