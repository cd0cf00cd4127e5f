#include "receive/sms_poll_worker.h"

#include "api/date_time_text.h"
#include "api/gbk_text.h"

namespace verdomo {
namespace {

using namespace verdomo::literals;

constexpr int kSmsBeforePollMs = 400;
constexpr int kAfterRowMs = 100;
constexpr int kSmsAfterPassMs = 5000;

const GbkText& waitingStatus() {
  static const GbkText text = "没有收到短信"_gbk;
  return text;
}

bool isFinalSmsStatus(std::string_view status) {
  static const GbkText givenUp = "已停止获取原因"_gbk;
  static const GbkText arrived = "短信已达到"_gbk;
  return containsText(status, givenUp) || containsText(status, arrived);
}

}  // namespace

GbkText smsCode(RegexMatcher& matcher, std::string_view smsText) {
  matcher.execute("[0-9][0-9]{0,}", smsText);
  return matcher.matchText(1);
}

SmsPollWorker::SmsPollWorker(PlatformRequester& requester, Pause& pause, const Clock& clock,
                             const ReceiveRequest& request, SmsPollPort& port)
    : requester_(requester), pause_(pause), clock_(clock), request_(request), port_(port) {}

void SmsPollWorker::run(const std::stop_token& stop) {
  while (!stop.stop_requested())
    runPass();
}

void SmsPollWorker::runPass() {
  const int rows = port_.rowCount();
  for (int index = 0; index < rows; ++index) {
    visitRow(index);
    pause_.pause(kAfterRowMs);
  }
  pause_.pause(kSmsAfterPassMs);
}

void SmsPollWorker::visitRow(int index) {
  const std::optional<GbkText> projectId = takeableProjectId(port_.selectedProjectItem());
  if (!projectId) return;
  const std::optional<PolledRow> row = port_.rowAt(index);
  if (!row || row->takeTime.empty() || isFinalSmsStatus(row->status)) return;
  if (waitedMoreThan(row->takeTime, clock_.now(), kSmsWaitLimitSeconds)) {
    port_.setStatus(row->id, row->phone, "已停止获取原因：300秒内未取到短信"_gbk);
    return;
  }
  if (!row->status.empty() && !containsText(row->status, waitingStatus())) return;
  pollRow(*projectId, *row);
}

void SmsPollWorker::pollRow(const GbkText& projectId, const PolledRow& row) {
  port_.setStatus(row.id, row.phone, "读取中"_gbk);
  pause_.pause(kSmsBeforePollMs);
  const GbkText reply = requester_.getText(requestUrl(request_.addresses, request_.credentials,
                                                      endpoint::kPollSms, {projectId, row.phone}));
  const std::vector<GbkText> pieces = splitFields(reply, "|");
  if (pieces.size() < 3) {
    port_.setStatus(row.id, row.phone, reply);
  } else if (pieces[0] != "1") {
    port_.setStatus(row.id, row.phone, pieces[2]);
  } else {
    port_.setArrived(row.id, row.phone, smsCode(matcher_, pieces[2]), pieces[2]);
  }
}

}  // namespace verdomo
