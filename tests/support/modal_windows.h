#pragma once
// Modal windows run their own event loop; a test reaches them from a timer that waits for the
// window to come up, then looks at it and closes it.

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

namespace verdomo::test {

// Calls `handle` with the first modal window of type T that shows up (checked every 10 ms),
// as long as the returned watch lives.
template <typename T>
[[nodiscard]] std::unique_ptr<QTimer> whenModalShows(std::function<void(T&)> handle) {
  auto timer = std::make_unique<QTimer>();
  QTimer* watch = timer.get();
  QObject::connect(watch, &QTimer::timeout, [watch, handle = std::move(handle)] {
    auto* window = qobject_cast<T*>(QApplication::activeModalWidget());
    if (window == nullptr) return;
    watch->stop();
    handle(*window);
  });
  watch->start(10);
  return timer;
}

}  // namespace verdomo::test

namespace verdomo::test {

// Processes events until `condition` holds or `timeoutMs` has passed; returns the condition.
inline bool waitUntil(const std::function<bool()>& condition, int timeoutMs = 5000) {
  QElapsedTimer clock;
  clock.start();
  while (!condition() && clock.elapsed() < timeoutMs) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  return condition();
}

}  // namespace verdomo::test
