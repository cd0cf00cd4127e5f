// Exclusive dockings (port 85): the user's own list, the public list, join, switch and delete.
// A record: state #c- code #c- project name #c- price #c- supplier #c- cards #c- project ID
// #c- joined date (own list) or "已加入"/"未加入" (public list) #c- "公开" or "专属".
#include <algorithm>

#include "sim/gbk_ops.h"
#include "sim/platform/endpoints.h"

namespace verdomo::sim {
namespace {

using namespace verdomo::literals;

int cardsOf(const PlatformState& state, const GbkText& supplier) {
  return static_cast<int>(
      std::count_if(state.plan.numbers().begin(), state.plan.numbers().end(),
                    [&](const PoolNumber& n) { return n.supplier == supplier; }));
}

void appendRecord(GbkText& reply, const PlatformState& state, const Docking& docking,
                  const GbkText& stateText, const GbkText& eighthField) {
  const Project* project = state.project(docking.projectId);
  const GbkText fields[] = {stateText,
                            docking.code,
                            project ? project->name : GbkText(),
                            formatMoney(docking.price),
                            docking.supplier,
                            std::to_string(cardsOf(state, docking.supplier)),
                            std::to_string(docking.projectId),
                            eighthField,
                            docking.isPublic ? "公开"_gbk : "专属"_gbk};
  for (std::size_t i = 0; i < std::size(fields); ++i)
    reply += (i ? "#c-" : "") + fields[i];
  reply += "#c+";
}

JoinedDocking* joined(Account& account, const GbkText& code) {
  for (JoinedDocking& docking : account.dockings)
    if (docking.code == code) return &docking;
  return nullptr;
}

GbkText trimmedCode(const PlatformRequest& request) {
  GbkText code = request.value("d");
  while (!code.empty() && code.back() == ' ')
    code.pop_back();
  return code.substr(std::min(code.find_first_not_of(' '), code.size()));
}

}  // namespace

HttpResponse listDockings(PlatformState& state, const PlatformRequest&, Account* account) {
  GbkText reply;
  for (const JoinedDocking& mine : account->dockings)
    if (const Docking* docking = state.docking(mine.code))
      appendRecord(reply, state, *docking, mine.paused ? "暂停"_gbk : "正常"_gbk,
                   timeText(mine.joinedAt).substr(0, 10));
  return textReply(reply);
}

HttpResponse listPublicDockings(PlatformState& state, const PlatformRequest&, Account* account) {
  GbkText reply;
  for (const Docking& docking : state.dockings)
    if (docking.isPublic)
      appendRecord(reply, state, docking, "正常"_gbk,
                   joined(*account, docking.code) ? "已加入"_gbk : "未加入"_gbk);
  return textReply(reply);
}

HttpResponse joinDocking(PlatformState& state, const PlatformRequest& request, Account* account) {
  const GbkText code = trimmedCode(request);
  if (!state.docking(code)) return textReply("对接码不存在"_gbk);
  if (joined(*account, code)) return textReply("您已加入该对接"_gbk);
  account->dockings.push_back({code, false, state.clock.now()});
  return textReply("加入成功"_gbk);
}

HttpResponse switchDocking(PlatformState&, const PlatformRequest& request, Account* account) {
  JoinedDocking* docking = joined(*account, trimmedCode(request));
  if (!docking) return textReply("对接不存在"_gbk);
  docking->paused = !docking->paused;
  return textReply(docking->paused ? "暂停成功"_gbk : "恢复成功"_gbk);
}

HttpResponse deleteDocking(PlatformState&, const PlatformRequest& request, Account* account) {
  const GbkText code = trimmedCode(request);
  if (!joined(*account, code)) return textReply("对接不存在"_gbk);
  std::erase_if(account->dockings, [&](const JoinedDocking& d) { return d.code == code; });
  return textReply("删除成功"_gbk);
}

}  // namespace verdomo::sim
