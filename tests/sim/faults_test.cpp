// Faults: how they are written down, and what each does to a reply on the wire.
#include <gtest/gtest.h>

#include <cerrno>
#include <thread>

#include "platform/gbk_codec.h"
#include "sim_test_support.h"
#include "support/case_name.h"

namespace verdomo::sim::test {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

struct RuleText {
  std::string name;
  friend void PrintTo(const RuleText& c, std::ostream* out) { *out << c.name; }
  std::string text;
  bool valid;
  std::string endpoint;
  FaultKind kind;
  long long argument;  // delay in ms, or bytes
};

class FaultRules : public ::testing::TestWithParam<RuleText> {};

TEST_P(FaultRules, ParseOrRefuse) {
  const auto rule = parseFaultRule(GetParam().text);
  ASSERT_EQ(rule.has_value(), GetParam().valid);
  if (!rule) return;
  EXPECT_EQ(rule->endpoint, GetParam().endpoint);
  EXPECT_EQ(rule->kind, GetParam().kind);
  if (rule->kind == FaultKind::Delay)
    EXPECT_EQ(rule->delay.count(), GetParam().argument);
  else
    EXPECT_EQ(static_cast<long long>(rule->bytes), GetParam().argument);
}

INSTANTIATE_TEST_SUITE_P(
    Sim, FaultRules,
    ::testing::Values(
        RuleText{"DelayDefault", "yh_qm:delay", true, "yh_qm", FaultKind::Delay, 20000},
        RuleText{"DelayMs", "all:delay:250", true, "all", FaultKind::Delay, 250},
        RuleText{"SlashesDropped", "/yh_qm/:close", true, "yh_qm", FaultKind::Close, 0},
        RuleText{"Reset", "sign:reset", true, "sign", FaultKind::Reset, 0},
        RuleText{"GarbageBytes", "sc:garbage:64", true, "sc", FaultKind::Garbage, 64},
        RuleText{"Truncate", "yh.txt:truncate", true, "yh.txt", FaultKind::Truncate, 0},
        RuleText{"OversizeDefault", "segment:oversize", true, "segment", FaultKind::Oversize, 0},
        RuleText{"NoKind", "yh_qm", false, "", FaultKind::Close, 0},
        RuleText{"UnknownKind", "yh_qm:explode", false, "", FaultKind::Close, 0},
        RuleText{"NoEndpoint", ":close", false, "", FaultKind::Close, 0},
        RuleText{"ArgumentNotANumber", "all:delay:soon", false, "", FaultKind::Close, 0},
        RuleText{"ArgumentForClose", "all:close:5", false, "", FaultKind::Close, 0}),
    verdomo::test::caseName<RuleText>);

TEST(FaultPlan, TheEndpointsOwnRuleWinsOverAll) {
  FaultPlan plan;
  EXPECT_FALSE(plan.find("yh_qm"));
  plan.set({*parseFaultRule("all:close"), *parseFaultRule("yh_qm:garbage")});
  EXPECT_EQ(plan.find("yh_qm")->kind, FaultKind::Garbage);
  EXPECT_EQ(plan.find("sign")->kind, FaultKind::Close);
  plan.set({*parseFaultRule("yh_qm:reset")});
  EXPECT_FALSE(plan.find("sign"));
}

class Faults : public SimTest {
 public:
  void fault(std::string_view rule) { sim.setFaults({*parseFaultRule(rule)}); }
  std::string signInExchange(int* error = nullptr, std::chrono::milliseconds timeout = 5s) {
    return rawExchange(sim.platformPort(kAccountPort),
                       "GET /sign/username=demo01&password=demo2026 HTTP/1.1\r\n\r\n", timeout,
                       error);
  }
};

// The announced length and the body that followed it.
std::pair<std::size_t, std::size_t> lengths(const std::string& reply) {
  const std::size_t header = reply.find("Content-Length: ");
  const std::size_t bodyStart = reply.find("\r\n\r\n");
  if (header == std::string::npos || bodyStart == std::string::npos) return {0, 0};
  return {std::stoul(reply.substr(header + 16)), reply.size() - bodyStart - 4};
}

TEST_F(Faults, CloseAnswersNothingAndResetResetsTheLine) {
  fault("sign:close");
  int error = -1;
  EXPECT_EQ(signInExchange(&error), "");
  EXPECT_EQ(error, 0);  // an orderly close
  fault("sign:reset");
  EXPECT_EQ(signInExchange(&error), "");
  EXPECT_EQ(error, ECONNRESET);
}

TEST_F(Faults, GarbageIsNoHttp) {
  fault("all:garbage:300");
  const std::string reply = signInExchange();
  EXPECT_EQ(reply.size(), 300u);
  EXPECT_NE(reply.substr(0, 5), "HTTP/");
}

TEST_F(Faults, TruncateAnnouncesMoreThanItSends) {
  fault("sign:truncate");
  const auto [announced, sent] = lengths(signInExchange());
  EXPECT_GT(announced, 100u);
  EXPECT_EQ(sent, announced / 2);
}

TEST_F(Faults, OversizeSendsTheAnnouncedHugeBody) {
  fault("sign:oversize:3000000");
  const std::string reply = signInExchange();
  const auto [announced, sent] = lengths(reply);
  EXPECT_EQ(announced, 3000000u);
  EXPECT_EQ(sent, 3000000u);
  EXPECT_NE(reply.find(utf8ToGbk("普通用户")), std::string::npos);  // the real reply comes first
}

TEST_F(Faults, DelayHoldsOnlyItsEndpointBack) {
  fault("sign:delay:400");
  auto start = Clock::now();
  EXPECT_EQ(split(ask(kAccountPort, "/sign/username=demo01&password=demo2026"), "|").size(), 11u);
  EXPECT_GE(Clock::now() - start, 400ms);
  start = Clock::now();
  EXPECT_EQ(demo(kDockingPort, "yh_gx"), "128.50|36.80");
  EXPECT_LT(Clock::now() - start, 300ms);
}

TEST_F(Faults, ApplyToTheUpdateHostAndTheSegmentServiceAndCanBeLifted) {
  fault("all:close");
  const std::string update = "http://127.0.0.1:" + std::to_string(sim.updatePort()) + "/yh.txt";
  const std::string segment = "https://127.0.0.1:" + std::to_string(sim.segmentPort()) +
                              "/cc/json/mobile_tel_segment.htm?tel=13800138000";
  EXPECT_FALSE(httpGet(update).ok);
  EXPECT_FALSE(httpGet(segment).ok);
  sim.setFaults({*parseFaultRule("all:close"), *parseFaultRule("segment:delay:0")});
  EXPECT_FALSE(httpGet(update).ok);
  EXPECT_TRUE(httpGet(segment).ok);
  sim.setFaults({});
  EXPECT_TRUE(httpGet(update).ok);
}

TEST_F(Faults, ALostReplyStillChangesThePlatform) {
  fault("xiangmu_shouchan:close");
  EXPECT_FALSE(httpGet(platformUrl(kProjectPort,
                                   "/xiangmu_shouchan/username=demo01"
                                   "&password=demo2026&id=1200"))
                   .ok);
  sim.setFaults({});
  EXPECT_EQ(demo(kProjectPort, "xiangmu_shouchan", "&id=1200"), "该项目已收藏");
}

TEST_F(Faults, StoppingCutsALongDelayShort) {
  fault("all:delay:60000");
  std::thread waiting([this] { signInExchange(nullptr, 20s); });
  std::this_thread::sleep_for(100ms);
  const auto start = Clock::now();
  sim.stop();
  EXPECT_LT(Clock::now() - start, 2s);
  waiting.join();
}

}  // namespace
}  // namespace verdomo::sim::test
