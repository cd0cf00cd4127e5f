#pragma once
// How a worker thread reaches the window it works for. Writes are queued to the UI thread;
// reads wait for the UI thread's answer. Once the window is gone, writes are dropped and reads
// answer nothing, so a worker never touches a dead widget.

#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QThread>
#include <functional>
#include <future>
#include <memory>
#include <optional>

namespace verdomo {

class UiDispatch {
 public:
  // `context` lives on the UI thread; its end is the end of every dispatch through this object.
  explicit UiDispatch(QObject* context) : context_(context) {}

  void post(std::function<void()> write) const {
    if (QObject* context = context_.data()) {
      QMetaObject::invokeMethod(context, std::move(write), Qt::QueuedConnection);
    }
  }

  template <typename T>
  std::optional<T> read(std::function<T()> reader) const {
    QObject* context = context_.data();
    if (context == nullptr) return std::nullopt;
    if (QThread::currentThread() == context->thread()) return reader();
    auto answer = std::make_shared<std::promise<T>>();
    std::future<T> future = answer->get_future();
    // When the context dies before the call runs, the queued call is dropped with the promise
    // unfulfilled, and get() wakes with a broken promise instead of waiting forever.
    QMetaObject::invokeMethod(
        context, [answer, reader = std::move(reader)] { answer->set_value(reader()); },
        Qt::QueuedConnection);
    answer.reset();
    try {
      return future.get();
    } catch (const std::future_error&) {
      return std::nullopt;
    }
  }

 private:
  QPointer<QObject> context_;
};

}  // namespace verdomo
