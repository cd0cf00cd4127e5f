// Taking numbers from the pool (port 81), releasing and blacklisting them (port 107).
#include <algorithm>
#include <vector>

#include "sim/gbk_ops.h"
#include "sim/platform/endpoints.h"

namespace verdomo::sim {
namespace {

using namespace verdomo::literals;

constexpr int kMaxHeldNumbers = 20;

HttpResponse refused(const char* utf8Message) {
  return textReply("0|" + utf8ToGbk(utf8Message));
}

int heldBy(const PlatformState& state, const GbkText& userName) {
  return static_cast<int>(
      std::count_if(state.assignments.begin(), state.assignments.end(),
                    [&](const auto& held) { return held.second.userName == userName; }));
}

HttpResponse hand(PlatformState& state, const Account& account, const Project& project,
                  const std::string& phone) {
  state.assignments[phone] = {phone, project.id, account.userName, state.clock.now()};
  state.usedNumbers.emplace(account.userName, project.id, phone);
  return textReply("1|" + phone);
}

// The supplier whose numbers the user gets for this project: one of the user's active dockings
// for it, chosen at random; empty when the user has none.
GbkText dockedSupplier(PlatformState& state, const Account& account, const Project& project) {
  std::vector<const Docking*> active;
  for (const JoinedDocking& joined : account.dockings) {
    const Docking* docking = state.docking(joined.code);
    if (!joined.paused && docking && docking->projectId == project.id) active.push_back(docking);
  }
  if (active.empty()) return {};
  std::uniform_int_distribution<std::size_t> any(0, active.size() - 1);
  return active[any(state.random)]->supplier;
}

HttpResponse takeNamedNumber(PlatformState& state, const Account& account, const Project& project,
                             const std::string& phone) {
  if (phone.size() != 11 || !isDigits(phone)) return refused("手机号码格式错误");
  if (!state.plan.findNumber(phone)) return refused("该号码不在线");
  if (state.blacklist.count({account.userName, project.id, phone}))
    return refused("该号码已被您加黑");
  const auto held = state.assignments.find(phone);
  if (held != state.assignments.end()) {
    if (held->second.userName != account.userName) return refused("该号码已被占用");
    held->second = {phone, project.id, account.userName, state.clock.now()};  // used once more
    return textReply("1|" + phone);
  }
  if (heldBy(state, account.userName) >= kMaxHeldNumbers)
    return refused("您占用的号码已达20个，请先释放号码");
  return hand(state, account, project, phone);
}

}  // namespace

HttpResponse takeNumber(PlatformState& state, const PlatformRequest& request, Account* account) {
  const Project* project = state.project(request.value("id"));
  if (!project) return refused("项目不存在");
  if (account->balance < project->price) return refused("余额不足，请先充值");
  if (const auto phone = request.find("phone"); phone && !phone->empty())
    return takeNamedNumber(state, *account, *project, *phone);

  const GbkText carrier = request.value("operator");
  const GbkText card = request.value("card");
  const GbkText region = request.value("region");
  if (!carrier.empty() && carrier != "1" && carrier != "2" && carrier != "3")
    return refused("运营商参数错误");
  if (!card.empty() && card != "1" && card != "2") return refused("卡型参数错误");
  const bool excludeUsed = request.value("loop") != "2";
  if (heldBy(state, account->userName) >= kMaxHeldNumbers)
    return refused("您占用的号码已达20个，请先释放号码");

  const GbkText supplier = dockedSupplier(state, *account, *project);
  std::vector<const PoolNumber*> candidates;
  for (const PoolNumber& number : state.plan.numbers()) {
    const Segment& segment = state.plan.segmentOf(number);
    if (!carrier.empty() && static_cast<int>(segment.carrier) != carrier[0] - '0') continue;
    if (!card.empty() && static_cast<int>(segment.card) != card[0] - '0') continue;
    if (!region.empty() && segment.province != region) continue;
    if (!supplier.empty() && number.supplier != supplier) continue;
    if (state.assignments.count(number.phone)) continue;
    const auto key = std::make_tuple(account->userName, project->id, number.phone);
    if (state.blacklist.count(key) || (excludeUsed && state.usedNumbers.count(key))) continue;
    candidates.push_back(&number);
  }
  if (candidates.empty()) return refused("暂无符合条件的号码，请稍后再试");
  std::uniform_int_distribution<std::size_t> any(0, candidates.size() - 1);
  return hand(state, *account, *project, candidates[any(state.random)]->phone);
}

HttpResponse releaseNumber(PlatformState& state, const PlatformRequest& request, Account* account) {
  const auto held = state.assignments.find(request.value("phone"));
  if (held == state.assignments.end() || held->second.userName != account->userName)
    return textReply("号码不存在或已释放"_gbk);
  state.assignments.erase(held);
  return textReply("释放成功"_gbk);
}

HttpResponse blacklistNumber(PlatformState& state, const PlatformRequest& request,
                             Account* account) {
  const auto held = state.assignments.find(request.value("phone"));
  if (held == state.assignments.end() || held->second.userName != account->userName)
    return textReply("号码不存在或已释放"_gbk);
  state.blacklist.emplace(account->userName, held->second.projectId, held->first);
  state.assignments.erase(held);
  return textReply("加黑成功"_gbk);
}

}  // namespace verdomo::sim
