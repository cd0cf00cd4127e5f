#pragma once
// How a worker thread reaches the window it works for. Writes are queued to the UI thread;
// reads wait for the UI thread's answer. Once the window is gone, writes are dropped and reads
// answer nothing, so a worker never touches a dead widget.
//
// The calls travel through a mailbox of our own under a std::mutex, and Qt only carries the
// wake-up: the mailbox's lock keeps the window from being destroyed while a call is being
// queued, and it makes the hand-over visible to ThreadSanitizer.

#include <QObject>
#include <QThread>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <optional>

namespace verdomo {

class DispatchMailbox;

// Lives on the UI thread as a child of the window; closes the mailbox when the window goes.
class DispatchReceiver final : public QObject {
  Q_OBJECT

 public:
  DispatchReceiver(QObject* context, std::shared_ptr<DispatchMailbox> mailbox);
  ~DispatchReceiver() override;
  const std::shared_ptr<DispatchMailbox>& mailbox() const { return mailbox_; }

 public slots:
  void runQueuedCalls();

 private:
  std::shared_ptr<DispatchMailbox> mailbox_;
};

// The calls waiting for the UI thread. Shared by the receiver and every dispatch to it.
class DispatchMailbox {
 public:
  // Queues a call and wakes the receiver; drops it once the receiver is gone.
  void queue(std::function<void()> call);
  // Takes the next call, or nothing when none waits.
  std::function<void()> next();
  // The receiver is going: nothing more is queued, and the calls that wait are dropped.
  void close();
  void open(DispatchReceiver* receiver);
  bool isOpen();

 private:
  std::mutex mutex_;
  DispatchReceiver* receiver_ = nullptr;
  std::deque<std::function<void()>> calls_;
};

class UiDispatch {
 public:
  // Made on the UI thread; `context` lives there, and its end is the end of every dispatch
  // through this object.
  explicit UiDispatch(QObject* context);

  void post(std::function<void()> write) const { mailbox_->queue(std::move(write)); }

  template <typename T>
  std::optional<T> read(std::function<T()> reader) const {
    if (QThread::currentThread() == uiThread_) {
      if (!contextAlive()) return std::nullopt;
      return reader();
    }
    auto answer = std::make_shared<std::promise<T>>();
    std::future<T> future = answer->get_future();
    // When the window dies before the call runs, the call is dropped with the promise
    // unfulfilled, and get() wakes with a broken promise instead of waiting forever.
    mailbox_->queue([answer, reader = std::move(reader)] { answer->set_value(reader()); });
    answer.reset();
    try {
      return future.get();
    } catch (const std::future_error&) {
      return std::nullopt;
    }
  }

 private:
  bool contextAlive() const;

  std::shared_ptr<DispatchMailbox> mailbox_;
  QThread* uiThread_;
};

}  // namespace verdomo
