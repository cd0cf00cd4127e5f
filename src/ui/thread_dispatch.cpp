#include "ui/thread_dispatch.h"

namespace verdomo {

DispatchReceiver::DispatchReceiver(QObject* context, std::shared_ptr<DispatchMailbox> mailbox)
    : QObject(context), mailbox_(std::move(mailbox)) {
  setObjectName(QStringLiteral("verdomo_dispatch"));
  mailbox_->open(this);
}

DispatchReceiver::~DispatchReceiver() {
  mailbox_->close();
}

void DispatchReceiver::runQueuedCalls() {
  while (std::function<void()> call = mailbox_->next())
    call();
}

void DispatchMailbox::queue(std::function<void()> call) {
  std::lock_guard lock(mutex_);
  if (receiver_ == nullptr) return;
  calls_.push_back(std::move(call));
  // Invoked by name, so Qt itself makes the wake-up event; the receiver cannot be destroyed
  // meanwhile, since its destructor waits for this lock.
  QMetaObject::invokeMethod(receiver_, "runQueuedCalls", Qt::QueuedConnection);
}

std::function<void()> DispatchMailbox::next() {
  std::lock_guard lock(mutex_);
  if (calls_.empty()) return {};
  std::function<void()> call = std::move(calls_.front());
  calls_.pop_front();
  return call;
}

void DispatchMailbox::close() {
  std::deque<std::function<void()>> dropped;
  {
    std::lock_guard lock(mutex_);
    receiver_ = nullptr;
    dropped.swap(calls_);
  }
  // Dropped outside the lock: a dropped read breaks its promise, which wakes its worker.
}

bool DispatchMailbox::isOpen() {
  std::lock_guard lock(mutex_);
  return receiver_ != nullptr;
}

void DispatchMailbox::open(DispatchReceiver* receiver) {
  std::lock_guard lock(mutex_);
  receiver_ = receiver;
}

UiDispatch::UiDispatch(QObject* context) : uiThread_(context->thread()) {
  // One receiver per window, shared by every dispatch to it.
  auto* receiver = context->findChild<DispatchReceiver*>(QStringLiteral("verdomo_dispatch"),
                                                         Qt::FindDirectChildrenOnly);
  if (receiver == nullptr)
    receiver = new DispatchReceiver(context, std::make_shared<DispatchMailbox>());
  mailbox_ = receiver->mailbox();
}

bool UiDispatch::contextAlive() const {
  return mailbox_->isOpen();
}

}  // namespace verdomo
