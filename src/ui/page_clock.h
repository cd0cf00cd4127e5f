#pragma once
// The application's clock as a worker reads it: on the UI thread, while the page lives, so that
// a worker never reaches a clock that has gone with its window. Without the page it answers the
// epoch, and what the worker computes from it is dropped with the page anyway.

#include "api/clock.h"
#include "ui/thread_dispatch.h"

namespace verdomo {

class PageClock final : public Clock {
 public:
  PageClock(QObject* page, const Clock& clock) : dispatch_(page), clock_(&clock) {}
  LocalDateTime now() const override {
    return dispatch_.read<LocalDateTime>([clock = clock_] { return clock->now(); })
        .value_or(LocalDateTime{});
  }

 private:
  UiDispatch dispatch_;
  const Clock* clock_;
};

}  // namespace verdomo
