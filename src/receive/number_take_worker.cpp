#include "receive/number_take_worker.h"

#include "api/date_time_text.h"
#include "api/text_to_int.h"

namespace verdomo {
namespace {

using namespace verdomo::literals;

constexpr int kAfterReleaseMs = 200;
constexpr int kAfterTakeMs = 500;

// Keeps the four take buttons disabled for as long as it lives.
class TakeButtonsDisabled {
 public:
  explicit TakeButtonsDisabled(NumberTakePort& port) : port_(port) {
    port_.setTakeButtonsEnabled(false);
  }
  ~TakeButtonsDisabled() { port_.setTakeButtonsEnabled(true); }
  TakeButtonsDisabled(const TakeButtonsDisabled&) = delete;
  TakeButtonsDisabled& operator=(const TakeButtonsDisabled&) = delete;

 private:
  NumberTakePort& port_;
};

// Applies a take reply: a number becomes a row; a refusal is shown when `showRefusal`.
void applyTakeReply(const TakeReply& reply, const GbkText& projectId, const Clock& clock,
                    NumberTakePort& port, bool showRefusal) {
  if (reply.kind == TakeReply::Kind::kNumber) {
    port.appendNumber(reply.phone, formatDateTimeText(clock.now()), projectId);
  } else if (reply.kind == TakeReply::Kind::kRefused && showRefusal) {
    port.showMessage(reply.message);
  }
}

}  // namespace

void releaseListedNumbers(PlatformRequester& requester, Pause& pause, const ReceiveRequest& request,
                          const Endpoint& path, NumberListPort& port) {
  port.setReleaseLabel("正在释放当前列表手机号码中请稍候.."_gbk);
  std::vector<ListedNumber> released;
  for (const RowId id : port.listedRowIds()) {
    const std::optional<ListedNumber> number = port.listedNumber(id);
    if (!number) continue;  // released or blacklisted alone meanwhile
    // The reply is not looked at: a failed release still leaves the list.
    requester.getText(requestUrl(request.addresses, request.credentials, path,
                                 {number->projectId, number->phone}));
    released.push_back(*number);
    pause.pause(kAfterReleaseMs);
    if (pause.stopRequested()) return;  // the page is gone
  }
  port.deleteReleasedRows(released);
  port.setReleaseLabel({});
}

NumberTakeWorker::NumberTakeWorker(PlatformRequester& requester, Pause& pause, const Clock& clock,
                                   const ReceiveRequest& request, NumberTakePort& port)
    : requester_(requester), pause_(pause), clock_(clock), request_(request), port_(port) {}

void NumberTakeWorker::run() {
  const int quantity = textToInt(port_.quantityText());
  if (quantity > kMaxTakeQuantity) {
    port_.showMessage("一次最多只能取10个号码"_gbk);
    return;
  }
  TakeButtonsDisabled busy(port_);
  const std::optional<GbkText> projectId = takeableProjectId(port_.selectedProjectItem());
  if (!projectId) return;
  releaseListedNumbers(requester_, pause_, request_, endpoint::kReleaseNumber, port_);
  if (pause_.stopRequested()) return;  // the page is gone: no take with what it answers now
  port_.clearSpecificNumber();
  takeNumbers(*projectId, quantity);
}

void NumberTakeWorker::takeNumbers(const GbkText& projectId, int quantity) {
  const GbkText url = takeUrl(request_.addresses, request_.credentials, projectId, port_.filters());
  // Every attempt is still sent; the failure is told once, after the last.
  TransportFailure failure = TransportFailure::None;
  for (int attempt = 0; attempt < quantity; ++attempt) {
    const TakeReply reply = parseTakeReply(requester_.getText(url));
    if (requester_.lastFailure() != TransportFailure::None) failure = requester_.lastFailure();
    // A refusal while the list is still empty is shown and ends the run; once numbers are
    // listed, refusals are passed over.
    const bool endsRun = reply.kind == TakeReply::Kind::kRefused && !port_.hasRows();
    applyTakeReply(reply, projectId, clock_, port_, endsRun);
    if (endsRun) return;
    pause_.pause(kAfterTakeMs);
    if (pause_.stopRequested()) return;  // the page is gone: take no more numbers
  }
  if (failure != TransportFailure::None && !port_.hasRows()) port_.showTransportFailure(failure);
}

void takeSpecifiedNumber(PlatformRequester& requester, Pause& pause, const Clock& clock,
                         const ReceiveRequest& request, NumberTakePort& port) {
  TakeButtonsDisabled busy(port);
  const std::optional<GbkText> projectId = takeableProjectId(port.selectedProjectItem());
  if (!projectId || port.specificNumberText().empty()) return;
  releaseListedNumbers(requester, pause, request, endpoint::kReleaseNumber, port);
  if (pause.stopRequested()) return;
  // Read again: the box may have been edited while the list was being released.
  const GbkText reply = requester.getText(takeSpecificUrl(request.addresses, request.credentials,
                                                          *projectId, port.specificNumberText()));
  if (requester.lastFailure() != TransportFailure::None) {
    port.showTransportFailure(requester.lastFailure());
    return;
  }
  applyTakeReply(parseTakeReply(reply), *projectId, clock, port, true);
}

}  // namespace verdomo
