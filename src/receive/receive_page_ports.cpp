#include "receive/receive_page_ports.h"

#include <QWidget>

#include "receive/receive_controls.h"
#include "session/app_context.h"
#include "ui/page_clock.h"
#include "ui/thread_dispatch.h"
#include "ui/worker_threads.h"

namespace verdomo {
namespace {

// Forwards every call to the page's controls on the UI thread: reads wait for the answer,
// writes are queued in order. Once the page is gone, reads answer nothing and writes go nowhere.
class DispatchedReceivePort final : public NumberTakePort,
                                    public SmsPollPort,
                                    public AttributionPort {
 public:
  DispatchedReceivePort(QWidget* page, ReceiveControls& controls)
      : dispatch_(page), controls_(&controls) {}

  void setReleaseLabel(const GbkText& text) override {
    write([text](ReceiveControls& c) { c.setReleaseLabel(text); });
  }
  std::vector<RowId> listedRowIds() override {
    return read<std::vector<RowId>>([](ReceiveControls& c) { return c.listedRowIds(); });
  }
  std::optional<ListedNumber> listedNumber(RowId id) override {
    return read<std::optional<ListedNumber>>(
        [id](ReceiveControls& c) { return c.listedNumber(id); });
  }
  void deleteReleasedRows(const std::vector<ListedNumber>& released) override {
    write([released](ReceiveControls& c) { c.deleteReleasedRows(released); });
  }
  GbkText quantityText() override {
    return read<GbkText>([](ReceiveControls& c) { return c.quantityText(); });
  }
  GbkText selectedProjectItem() override {
    return read<GbkText>([](ReceiveControls& c) { return c.selectedProjectItem(); });
  }
  GbkText specificNumberText() override {
    return read<GbkText>([](ReceiveControls& c) { return c.specificNumberText(); });
  }
  void clearSpecificNumber() override {
    write([](ReceiveControls& c) { c.clearSpecificNumber(); });
  }
  TakeFilters filters() override {
    return read<TakeFilters>([](ReceiveControls& c) { return c.filters(); });
  }
  void setTakeButtonsEnabled(bool enabled) override {
    write([enabled](ReceiveControls& c) { c.setTakeButtonsEnabled(enabled); });
  }
  bool hasRows() override {
    return read<bool>([](ReceiveControls& c) { return c.hasRows(); });
  }
  void appendNumber(const GbkText& phone, const GbkText& takeTime,
                    const GbkText& projectId) override {
    write([=](ReceiveControls& c) { c.appendNumber(phone, takeTime, projectId); });
  }
  void showMessage(const GbkText& text) override {
    // Waits until the user has closed the message, as a message box of this thread would.
    read<bool>([text](ReceiveControls& c) {
      c.showMessage(text);
      return true;
    });
  }
  void showTransportFailure(TransportFailure failure) override {
    read<bool>([failure](ReceiveControls& c) {
      c.showTransportFailure(failure);
      return true;
    });
  }
  int rowCount() override {
    return read<int>([](ReceiveControls& c) { return c.rowCount(); });
  }
  std::optional<PolledRow> rowAt(int index) override {
    return read<std::optional<PolledRow>>([index](ReceiveControls& c) { return c.rowAt(index); });
  }
  void setStatus(RowId id, const GbkText& phone, const GbkText& status) override {
    write([=](ReceiveControls& c) { c.setStatus(id, phone, status); });
  }
  void setArrived(RowId id, const GbkText& phone, const GbkText& code,
                  const GbkText& smsText) override {
    write([=](ReceiveControls& c) { c.setArrived(id, phone, code, smsText); });
  }
  std::optional<AttributedRow> provinceRowAt(int index) override {
    return read<std::optional<AttributedRow>>(
        [index](ReceiveControls& c) { return c.provinceRowAt(index); });
  }
  void setProvince(RowId id, const GbkText& phone, const GbkText& province) override {
    write([=](ReceiveControls& c) { c.setProvince(id, phone, province); });
  }

  // Runs `call` on the UI thread, while the page lives.
  void onPage(std::function<void()> call) { dispatch_.post(std::move(call)); }

 private:
  // The controls live as long as the page, the dispatch's context: a call that runs at all
  // finds them alive.
  template <typename T>
  T read(std::function<T(ReceiveControls&)> reader) {
    return dispatch_.read<T>([controls = controls_, reader] { return reader(*controls); })
        .value_or(T{});
  }
  void write(std::function<void(ReceiveControls&)> writer) {
    dispatch_.post([controls = controls_, writer] { writer(*controls); });
  }

  UiDispatch dispatch_;
  ReceiveControls* controls_;
};

// Runs `work` on a thread of its own, with a port to the page and a pause that the page's end
// cuts short.
template <typename Work>
void startWorker(const AppContext& context, QWidget* page, ReceiveControls& controls,
                 std::stop_token stop, Work work) {
  auto port = std::make_shared<DispatchedReceivePort>(page, controls);
  startWorkerThread(
      [port, pacing = context.pacing, stop = std::move(stop), work = std::move(work)] {
        SleepingPause pause(pacing, stop);
        work(*port, pause, stop);
      });
}

}  // namespace

ReceiveRequest receiveRequest(const AppContext& context) {
  return {context.session.addresses, context.session.credentials()};
}

void startNumberTakeWorker(AppContext& context, QWidget* page, ReceiveControls& controls,
                           std::stop_token stop, std::function<void()> finished) {
  startWorker(context, page, controls, std::move(stop),
              [request = receiveRequest(context), clock = PageClock(page, context.clock),
               pacing = context.pacing, finished = std::move(finished)](
                  DispatchedReceivePort& port, Pause& pause, const std::stop_token&) {
                HttpSession session;
                SessionRequester requester(session, pacing.requestTimeout(kPlatformTimeoutMs));
                NumberTakeWorker(requester, pause, clock, request, port).run();
                port.onPage(finished);
              });
}

void startSmsPollWorker(AppContext& context, QWidget* page, ReceiveControls& controls,
                        std::stop_token stop) {
  startWorker(context, page, controls, std::move(stop),
              [request = receiveRequest(context), clock = PageClock(page, context.clock)](
                  DispatchedReceivePort& port, Pause& pause, const std::stop_token& token) {
                HttpSession session;
                SessionRequester requester(session);
                SmsPollWorker(requester, pause, clock, request, port).run(token);
              });
}

void startAttributionWorker(AppContext& context, QWidget* page, ReceiveControls& controls,
                            std::stop_token stop) {
  startWorker(context, page, controls, std::move(stop),
              [segmentBase = context.config.segmentUrl](DispatchedReceivePort& port, Pause& pause,
                                                        const std::stop_token& token) {
                HttpSession session;
                AttributionWorker(session, pause, segmentBase, port).run(token);
              });
}

}  // namespace verdomo
