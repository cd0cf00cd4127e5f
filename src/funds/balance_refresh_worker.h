#pragma once
// The BalanceRefreshWorker: for as long as the client runs, it asks the platform for the balance
// and the withdrawable amount and shows them in the status bar, then waits a random 7 to 19
// seconds, drawn anew each time.

#include <random>
#include <stop_token>

#include "api/api_client.h"
#include "api/clock.h"
#include "api/pause.h"
#include "api/request_url.h"
#include "funds/funds_rules.h"

namespace verdomo {

inline constexpr int kShortestBalanceWaitMs = 7000;
inline constexpr int kLongestBalanceWaitMs = 19000;

class BalancePort {
 public:
  virtual ~BalancePort() = default;
  // Status-bar parts 1 and 2: "余额:" + balance, "可提现:" + withdrawable amount.
  virtual void showBalance(const Balance& balance) = 0;
};

struct BalanceRequest {
  ServiceAddresses addresses;
  Credentials credentials;
};

class BalanceRefreshWorker {
 public:
  // The waits are drawn from a generator seeded from `clock`.
  BalanceRefreshWorker(PlatformRequester& requester, Pause& pause, const Clock& clock,
                       const BalanceRequest& request, BalancePort& port);

  // Refreshes until `stop` is requested; the first request goes out at once.
  void run(const std::stop_token& stop);
  // One request, then the wait.
  void runOnce();

 private:
  PlatformRequester& requester_;
  Pause& pause_;
  const BalanceRequest& request_;
  BalancePort& port_;
  std::mt19937 random_;
};

}  // namespace verdomo
