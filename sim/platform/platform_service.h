#pragma once
// The platform server behind its nine ports: reads the decoded path, checks the port, the user
// name and the password, and hands the request to its endpoint under the platform lock.

#include <chrono>
#include <cstdint>
#include <mutex>

#include "sim/http/http_message.h"
#include "sim/number_plan.h"
#include "sim/platform/platform_state.h"
#include "sim/sim_clock.h"

namespace verdomo::sim {

class PlatformService {
 public:
  // Starts with the demo data.
  PlatformService(const NumberPlan& plan, SimClock& clock, std::uint32_t seed);

  // The reply to a request that came in on the platform port `fixedPort` (before the offset).
  HttpResponse handle(int fixedPort, const HttpRequest& request);

  void setSmsDelay(std::chrono::milliseconds delay);
  // The balance of an account; false when there is no such account.
  bool setBalance(const GbkText& userName, Cents balance);

 private:
  std::mutex mutex_;
  PlatformState state_;
};

}  // namespace verdomo::sim
