#include "send/send_result_poll_worker.h"

#include "api/date_time_text.h"
#include "api/gbk_text.h"
#include "api/project_item.h"
#include "api/random_letters.h"

namespace verdomo {
namespace {

using namespace verdomo::literals;

constexpr int kSendResultBeforePollMs = 400;
constexpr int kSendResultAfterPassMs = 5000;

bool isFinalSendStatus(std::string_view status) {
  for (const GbkText& final : {"已停止获取原因"_gbk, "成功"_gbk, "失败"_gbk}) {
    if (containsText(status, final)) return true;
  }
  return false;
}

bool isWaitingSendStatus(std::string_view status) {
  return status.empty() || containsText(status, "没有收到短信"_gbk);
}

}  // namespace

SendResultPollWorker::SendResultPollWorker(PlatformRequester& requester, Pause& pause,
                                           const Clock& clock, const SendResultRequest& request,
                                           SendResultPort& port)
    : requester_(requester), pause_(pause), clock_(clock), request_(request), port_(port) {}

void SendResultPollWorker::run(const std::stop_token& stop) {
  while (!stop.stop_requested())
    runPass();
}

void SendResultPollWorker::runPass() {
  if (const std::optional<SendTake> take = port_.readTake()) visit(*take);
  pause_.pause(kSendResultAfterPassMs);
}

void SendResultPollWorker::visit(const SendTake& take) {
  const ProjectId project = projectIdOf(take.projectItem);
  if (take.projectItem.empty() || project.value <= kLowestProjectId) return;
  if (take.takeTime.empty() || take.phone.empty() || isFinalSendStatus(take.status)) return;
  if (waitedMoreThan(take.takeTime, clock_.now(), kSendResultWaitLimitSeconds)) {
    const GbkText givenUp = "已停止获取原因：300秒内未取到发送结果"_gbk;
    port_.setResult(take, givenUp, givenUp);
    return;
  }
  // A platform message other than "no SMS yet" ends the polling; only the limit still applies.
  if (isWaitingSendStatus(take.status)) poll(take, project.text);
}

void SendResultPollWorker::poll(const SendTake& take, const GbkText& projectId) {
  pause_.pause(kSendResultBeforePollMs);
  const GbkText reply = requester_.getText(requestUrl(request_.addresses, request_.credentials,
                                                      endpoint::kPollSms, {projectId, take.phone}));
  const std::vector<GbkText> pieces = splitFields(reply, "|");
  if (pieces.size() < 3) return port_.setResult(take, reply, reply);
  const GbkText& news = pieces[2];
  if (pieces[0] != "1") {
    return port_.setResult(take, news, news + " [" + randomLetters(1, LetterCase::Lower) + "]");
  }
  // "成功" wins when the news holds both words.
  if (containsText(news, "成功"_gbk)) return port_.setResult(take, "成功"_gbk, news);
  if (containsText(news, "失败"_gbk)) return port_.setResult(take, "失败"_gbk, news);
  port_.setReceivedSms(take, news);  // an SMS on the number: polled again until a result comes
}

}  // namespace verdomo
