#include "funds/balance_refresh_worker.h"

#include "api/date_time_text.h"

namespace verdomo {
namespace {

std::uint32_t seedOf(const LocalDateTime& time) {
  return static_cast<std::uint32_t>(
      ((((time.year * 12 + time.month) * 31 + time.day) * 24 + time.hour) * 60 + time.minute) * 60 +
      time.second);
}

}  // namespace

BalanceRefreshWorker::BalanceRefreshWorker(PlatformRequester& requester, Pause& pause,
                                           const Clock& clock, const BalanceRequest& request,
                                           BalancePort& port)
    : requester_(requester),
      pause_(pause),
      request_(request),
      port_(port),
      random_(seedOf(clock.now())) {}

void BalanceRefreshWorker::run(const std::stop_token& stop) {
  while (!stop.stop_requested())
    runOnce();
}

void BalanceRefreshWorker::runOnce() {
  const GbkText reply =
      requester_.getText(requestUrl(request_.addresses, request_.credentials, endpoint::kBalance));
  // A refusal ("0|message") is no balance: the status bar keeps what it shows.
  if (const std::optional<Balance> balance = balanceOf(reply)) port_.showBalance(*balance);
  std::uniform_int_distribution<int> wait(kShortestBalanceWaitMs, kLongestBalanceWaitMs);
  pause_.pause(wait(random_));
}

}  // namespace verdomo
