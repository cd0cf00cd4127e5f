#include "sim/platform/platform_state.h"

#include <algorithm>
#include <ctime>

#include "sim/gbk_ops.h"

namespace verdomo::sim {

const Project* PlatformState::project(int id) const {
  const auto found = std::lower_bound(projects.begin(), projects.end(), id,
                                      [](const Project& p, int wanted) { return p.id < wanted; });
  return found != projects.end() && found->id == id ? &*found : nullptr;
}

const Project* PlatformState::project(std::string_view idText) const {
  const std::optional<int> id = parseWholeNumber(idText);
  return id ? project(*id) : nullptr;
}

Account* PlatformState::account(const GbkText& userName) {
  const auto found = accounts.find(userName);
  return found == accounts.end() ? nullptr : &found->second;
}

Account* PlatformState::accountById(int id) {
  for (auto& [name, account] : accounts)
    if (account.id == id) return &account;
  return nullptr;
}

const Docking* PlatformState::docking(const GbkText& code) const {
  for (const Docking& docking : dockings)
    if (docking.code == code) return &docking;
  return nullptr;
}

std::string timeText(TimePoint at) {
  const std::time_t seconds = std::chrono::system_clock::to_time_t(at);
  std::tm local{};
  localtime_r(&seconds, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
  return text;
}

}  // namespace verdomo::sim
