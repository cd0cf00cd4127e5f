#include "send/send_page_ports.h"

#include <QWidget>
#include <memory>

#include "send/send_controls.h"
#include "session/app_context.h"
#include "ui/page_clock.h"
#include "ui/thread_dispatch.h"
#include "ui/worker_threads.h"

namespace verdomo {
namespace {

// Forwards every call to the page's fields on the UI thread: the read waits for the answer,
// writes are queued in order. Once the page is gone the read answers nothing.
class DispatchedSendResultPort final : public SendResultPort {
 public:
  DispatchedSendResultPort(QWidget* page, SendControls& controls)
      : dispatch_(page), controls_(&controls) {}

  std::optional<SendTake> readTake() override {
    return dispatch_
        .read<std::optional<SendTake>>([controls = controls_] { return controls->readTake(); })
        .value_or(std::nullopt);
  }
  void setResult(const SendTake& of, const GbkText& status, const GbkText& label) override {
    dispatch_.post(
        [controls = controls_, of, status, label] { controls->setResult(of, status, label); });
  }
  void setReceivedSms(const SendTake& of, const GbkText& text) override {
    dispatch_.post([controls = controls_, of, text] { controls->setReceivedSms(of, text); });
  }

 private:
  // The controls live as long as the page, the dispatch's context: a call that runs at all
  // finds them alive.
  UiDispatch dispatch_;
  SendControls* controls_;
};

}  // namespace

void startSendResultPollWorker(AppContext& context, QWidget* page, SendControls& controls,
                               std::stop_token stop) {
  auto port = std::make_shared<DispatchedSendResultPort>(page, controls);
  startWorkerThread(
      [port, request = SendResultRequest{context.session.addresses, context.session.credentials()},
       clock = PageClock(page, context.clock), pacing = context.pacing, stop = std::move(stop)] {
        SleepingPause pause(pacing, stop);
        HttpSession session;  // one kept-alive connection for the worker's life
        SessionRequester requester(session);
        SendResultPollWorker(requester, pause, clock, request, *port).run(stop);
      });
}

}  // namespace verdomo
