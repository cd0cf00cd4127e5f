// The balance refresh against a scripted platform: what it shows, and how long it waits.
#include "funds/balance_refresh_worker.h"

#include <gtest/gtest.h>

#include <set>

#include "api/service_address.h"
#include "support/call_log.h"
#include "support/gbk_test_text.h"
#include "support/manual_clock.h"
#include "support/scripted_http_server.h"

namespace verdomo::test {
namespace {

class RecordingBalancePort final : public BalancePort {
 public:
  explicit RecordingBalancePort(CallLog& log) : log_(log) {}
  void showBalance(const Balance& balance) override {
    log_.add("余额:" + gbkToUtf8(balance.balance) + " 可提现:" + gbkToUtf8(balance.withdrawable));
  }

 private:
  CallLog& log_;
};

// Logs every wait and ends the worker after `passes` of them.
class CountingPause final : public Pause {
 public:
  CountingPause(CallLog& log, int passes) : log_(log), passesLeft_(passes) {}
  std::stop_token token() const { return source_.get_token(); }
  void pause(int milliseconds) override {
    waits.push_back(milliseconds);
    log_.add("wait");
    if (--passesLeft_ == 0) source_.request_stop();
  }
  std::vector<int> waits;

 private:
  CallLog& log_;
  int passesLeft_;
  std::stop_source source_;
};

TEST(BalanceRefreshWorker, AsksAtOnceThenWaitsARandomSevenToNineteenSeconds) {
  std::atomic<int> requests = 0;
  ScriptedHttpServer server([&](const ScriptedRequest&) {
    const char* replies[] = {"12.50|3.00", "0|登录失败", "", "13.00|3.00|x"};
    return ScriptedReply::text(utf8ToGbk(replies[requests++ % 4]));
  });
  const BalanceRequest request{buildServiceAddresses("127.0.0.1", server.port() - 85),
                               {"demo01", "pw"}};
  CallLog log;
  CountingPause pause(log, 60);
  LoggingRequester requester(log);
  RecordingBalancePort port(log);
  const ManualClock clock({2026, 12, 11, 9, 30, 0});
  BalanceRefreshWorker(requester, pause, clock, request, port).run(pause.token());

  ASSERT_GE(log.calls.size(), 8u);
  EXPECT_EQ(log.calls[0], "get /yh_gx/username=demo01&password=pw");  // no wait before it
  EXPECT_EQ(log.calls[1], "余额:12.50 可提现:3.00");
  EXPECT_EQ(log.calls[2], "wait");
  EXPECT_EQ(log.calls[4], "wait");  // a refusal shows nothing
  EXPECT_EQ(log.calls[6], "wait");  // nor does a failure
  EXPECT_EQ(log.calls[8], "余额:13.00 可提现:3.00");
  EXPECT_EQ(requests, 60);
  ASSERT_EQ(pause.waits.size(), 60u);
  for (int wait : pause.waits) {
    EXPECT_GE(wait, 7000);
    EXPECT_LE(wait, 19000);
  }
  // Drawn anew each time, over the whole range.
  EXPECT_GT(std::set<int>(pause.waits.begin(), pause.waits.end()).size(), 50u);
  EXPECT_LT(*std::min_element(pause.waits.begin(), pause.waits.end()), 10000);
  EXPECT_GT(*std::max_element(pause.waits.begin(), pause.waits.end()), 16000);
}

TEST(BalanceRefreshWorker, DrawsTheSameWaitsFromTheSameClock) {
  ScriptedHttpServer server([](const ScriptedRequest&) { return ScriptedReply::text("1|1"); });
  const BalanceRequest request{buildServiceAddresses("127.0.0.1", server.port() - 85), {"u", "p"}};
  const auto waitsFrom = [&](const LocalDateTime& now) {
    CallLog log;
    CountingPause pause(log, 5);
    LoggingRequester requester(log);
    RecordingBalancePort port(log);
    const ManualClock clock(now);
    BalanceRefreshWorker(requester, pause, clock, request, port).run(pause.token());
    return pause.waits;
  };
  EXPECT_EQ(waitsFrom({2026, 12, 11, 9, 30, 0}), waitsFrom({2026, 12, 11, 9, 30, 0}));
  EXPECT_NE(waitsFrom({2026, 12, 11, 9, 30, 0}), waitsFrom({2026, 12, 11, 9, 30, 1}));
}

}  // namespace
}  // namespace verdomo::test
