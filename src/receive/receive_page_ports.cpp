#include "receive/receive_page_ports.h"

#include <QWidget>
#include <thread>

#include "app/app_context.h"
#include "receive/receive_controls.h"
#include "ui/thread_dispatch.h"

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
  std::vector<ListedNumber> listedNumbers() override {
    return read<std::vector<ListedNumber>>([](ReceiveControls& c) { return c.listedNumbers(); });
  }
  void deleteAllRows() override {
    write([](ReceiveControls& c) { c.deleteAllRows(); });
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

ReceiveRequest receiveRequest(const AppContext& context) {
  return {context.session.addresses, context.session.credentials()};
}

}  // namespace

void startNumberTakeWorker(AppContext& context, QWidget* page, ReceiveControls& controls,
                           std::stop_token stop) {
  auto port = std::make_shared<DispatchedReceivePort>(page, controls);
  std::thread([port, request = receiveRequest(context), &clock = context.clock,
               pacing = context.pacing, stop = std::move(stop)] {
    HttpSession session;
    SessionRequester requester(session);
    SleepingPause pause(pacing, stop);
    runNumberTake(requester, pause, clock, request, *port);
  }).detach();
}

void startSmsPollWorker(AppContext& context, QWidget* page, ReceiveControls& controls,
                        std::stop_token stop) {
  auto port = std::make_shared<DispatchedReceivePort>(page, controls);
  std::thread([port, request = receiveRequest(context), &clock = context.clock,
               pacing = context.pacing, stop = std::move(stop)] {
    HttpSession session;
    SessionRequester requester(session);
    SleepingPause pause(pacing, stop);
    runSmsPollWorker(requester, pause, clock, request, *port, stop);
  }).detach();
}

void startAttributionWorker(AppContext& context, QWidget* page, ReceiveControls& controls,
                            std::stop_token stop) {
  auto port = std::make_shared<DispatchedReceivePort>(page, controls);
  std::thread([port, segmentBase = context.config.segmentUrl, pacing = context.pacing,
               stop = std::move(stop)] {
    SleepingPause pause(pacing, stop);
    runAttributionWorker(pause, segmentBase, *port, stop);
  }).detach();
}

}  // namespace verdomo
