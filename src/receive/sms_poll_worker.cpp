#include "receive/sms_poll_worker.h"

#include "api/date_time_text.h"
#include "api/gbk_text.h"

namespace verdomo {
namespace {

using namespace verdomo::literals;

constexpr int kBeforePollMs = 400;
constexpr int kAfterRowMs = 100;
constexpr int kAfterPassMs = 5000;

const GbkText& waitingStatus() {
  static const GbkText text = "没有收到短信"_gbk;
  return text;
}

bool isFinal(std::string_view status) {
  static const GbkText givenUp = "已停止获取原因"_gbk;
  static const GbkText arrived = "短信已达到"_gbk;
  return containsText(status, givenUp) || containsText(status, arrived);
}

// More than the limit since the take. A take time that cannot be read cannot be timed either;
// such a row is given up rather than polled for ever.
bool timedOut(const PolledRow& row, const Clock& clock) {
  const std::optional<LocalDateTime> takeTime = parseDateTimeText(row.takeTime);
  return !takeTime || secondsBetween(*takeTime, clock.now()) > kSmsWaitLimitSeconds;
}

void pollRow(PlatformRequester& requester, Pause& pause, RegexMatcher& matcher,
             const ReceiveRequest& request, const GbkText& projectId, const PolledRow& row,
             SmsPollPort& port) {
  port.setStatus(row.id, row.phone, "读取中"_gbk);
  pause.pause(kBeforePollMs);
  const GbkText reply = requester.getText(requestUrl(request.addresses, request.credentials,
                                                     endpoint::kPollSms, {projectId, row.phone}));
  const std::vector<GbkText> pieces = splitFields(reply, "|");
  if (pieces.size() < 3) {
    port.setStatus(row.id, row.phone, reply);
  } else if (pieces[0] != "1") {
    port.setStatus(row.id, row.phone, pieces[2]);
  } else {
    port.setArrived(row.id, row.phone, smsCode(matcher, pieces[2]), pieces[2]);
  }
}

void visitRow(int index, PlatformRequester& requester, Pause& pause, const Clock& clock,
              RegexMatcher& matcher, const ReceiveRequest& request, SmsPollPort& port) {
  const std::optional<GbkText> projectId = takeableProjectId(port.selectedProjectItem());
  if (!projectId) return;
  const std::optional<PolledRow> row = port.rowAt(index);
  if (!row || row->takeTime.empty() || isFinal(row->status)) return;
  if (timedOut(*row, clock)) {
    port.setStatus(row->id, row->phone, "已停止获取原因：300秒内未取到短信"_gbk);
    return;
  }
  if (!row->status.empty() && !containsText(row->status, waitingStatus())) return;
  pollRow(requester, pause, matcher, request, *projectId, *row, port);
}

}  // namespace

GbkText smsCode(RegexMatcher& matcher, std::string_view smsText) {
  matcher.execute("[0-9][0-9]{0,}", smsText);
  return matcher.matchText(1);
}

void runSmsPollPass(PlatformRequester& requester, Pause& pause, const Clock& clock,
                    RegexMatcher& matcher, const ReceiveRequest& request, SmsPollPort& port) {
  const int rows = port.rowCount();
  for (int index = 0; index < rows; ++index) {
    visitRow(index, requester, pause, clock, matcher, request, port);
    pause.pause(kAfterRowMs);
  }
  pause.pause(kAfterPassMs);
}

void runSmsPollWorker(PlatformRequester& requester, Pause& pause, const Clock& clock,
                      const ReceiveRequest& request, SmsPollPort& port, std::stop_token stop) {
  RegexMatcher matcher;
  while (!stop.stop_requested())
    runSmsPollPass(requester, pause, clock, matcher, request, port);
}

}  // namespace verdomo
