#pragma once
// The 发短信 page's fields as the result worker sees them, with the identity of the take they
// hold. Every call touches widgets directly, so it runs on the UI thread: the worker reaches it
// through the dispatching port of send_page_ports.h.

#include "send/send_result_poll_worker.h"

namespace Ui {
class SendPage;
}

namespace verdomo {

class SendControls final : public SendResultPort {
 public:
  explicit SendControls(Ui::SendPage& ui) : ui_(ui) {}

  // The fields are about to hold another take, or none: what was read of the old one is stale.
  void startNewTake() { ++take_; }

  std::optional<SendTake> readTake() override;
  void setResult(const SendTake& of, const GbkText& status, const GbkText& label) override;
  void setReceivedSms(const SendTake& of, const GbkText& text) override;

 private:
  bool stillHolds(const SendTake& take) const;

  Ui::SendPage& ui_;
  TakeId take_ = 1;
};

}  // namespace verdomo
