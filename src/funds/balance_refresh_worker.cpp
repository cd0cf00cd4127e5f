#include "funds/balance_refresh_worker.h"

#include "api/date_time_text.h"

namespace verdomo {
namespace {

// The clock's time folded into the generator's seed; unsigned, so that no date overflows it.
std::uint32_t seedOf(const LocalDateTime& time) {
  std::uint64_t seconds = static_cast<std::uint32_t>(time.year);
  for (const int part : {time.month, time.day, time.hour, time.minute, time.second})
    seconds = seconds * 64 + static_cast<std::uint32_t>(part);
  return static_cast<std::uint32_t>(seconds ^ (seconds >> 32));
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
