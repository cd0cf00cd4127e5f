// Send orders (port 1780): the card supplier sends the user's text from a held number to one of
// the project's service numbers; the outcome comes back through the poll once the SMS delay has
// passed.
#include <algorithm>

#include "sim/gbk_ops.h"
#include "sim/platform/endpoints.h"

namespace verdomo::sim {
namespace {

using namespace verdomo::literals;

constexpr std::size_t kMaxContentBytes = 140;  // seventy Chinese characters

// Texts the card suppliers refuse to send.
bool banned(const GbkText& content) {
  for (const char* word : {"发票", "贷款", "赌博", "代开"})
    if (containsGbk(content, utf8ToGbk(word))) return true;
  return false;
}

}  // namespace

HttpResponse submitSendOrder(PlatformState& state, const PlatformRequest& request,
                             Account* account) {
  const Project* project = state.project(request.value("id"));
  if (!project) return textReply("项目不存在"_gbk);
  if (!project->sends) return textReply("该项目不是发短信项目"_gbk);
  const auto found = state.assignments.find(request.value("phone"));
  if (found == state.assignments.end() || found->second.userName != account->userName)
    return textReply("号码不存在或已释放"_gbk);
  Assignment& held = found->second;
  if (held.projectId != project->id) return textReply("号码不属于该项目"_gbk);
  const GbkText serviceNumber = request.value("send");
  if (std::find(project->serviceNumbers.begin(), project->serviceNumbers.end(), serviceNumber) ==
      project->serviceNumbers.end())
    return textReply("发送号码错误"_gbk);
  const GbkText content = request.value("content");
  if (withoutSpaces(content).empty()) return textReply("发送内容不能为空"_gbk);
  if (content.size() > kMaxContentBytes) return textReply("发送内容不能超过70个字"_gbk);
  if (held.order && !held.order->settled) return textReply("该号码已提交发送，请等待发送结果"_gbk);
  if (held.order) return textReply("该号码已发送过短信，请重新取号"_gbk);
  if (account->balance < project->price) return textReply("余额不足，请先充值"_gbk);

  held.order = SendOrder{serviceNumber, content, state.clock.now(), !banned(content)};
  return textReply("提交成功，请等待发送结果"_gbk);
}

}  // namespace verdomo::sim
