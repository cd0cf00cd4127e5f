#pragma once
// The simulated catalogue: 300 receive projects (IDs 1001 to 1300: sixty services, five
// operations each) and 30 send projects (IDs 2001 to 2030) whose names carry their service
// numbers, "悦读小说上行注册(发送号码:10690#10691)".

#include <vector>

#include "sim/platform/platform_state.h"

namespace verdomo::sim {

inline constexpr int kFirstReceiveProject = 1001;
inline constexpr int kFirstSendProject = 2001;

std::vector<Project> buildCatalogue();

}  // namespace verdomo::sim
