// Polling a held number (port 38123): the SMS of a receive project, or the outcome of the send
// order of a send project. Every answer has three fields: status, number, text.
#include "sim/platform/endpoints.h"

namespace verdomo::sim {
namespace {

using namespace verdomo::literals;

GbkText sendOutcome(const Assignment& held) {
  if (held.order->succeeds)
    return "发送成功：短信已由"_gbk + held.phone + "发送至"_gbk + held.order->serviceNumber;
  return "发送失败：短信内容含有违禁词，卡商拒绝发送"_gbk;
}

}  // namespace

HttpResponse pollNumber(PlatformState& state, const PlatformRequest& request, Account* account) {
  // The number decides; the ID is the one of the project the client shows now, which need not
  // be the one the number was taken for.
  const GbkText phone = request.value("phone");
  const auto found = state.assignments.find(phone);
  if (found == state.assignments.end() || found->second.userName != account->userName)
    return textReply("0|" + phone + "|" + "该号码不存在或已释放"_gbk);
  const Assignment& held = found->second;
  const Project* project = state.project(held.projectId);
  if (project && project->sends) {
    if (held.order && held.order->settled) return textReply("1|" + phone + "|" + sendOutcome(held));
  } else if (held.delivered) {
    return textReply("1|" + phone + "|" + held.smsText);
  }
  return textReply("0|" + phone + "|" + "没有收到短信"_gbk);
}

}  // namespace verdomo::sim
