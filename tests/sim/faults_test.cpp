// Faults: how they are written down, and what each does to a reply on the wire.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <map>
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

struct RandomText {
  std::string name;
  friend void PrintTo(const RandomText& c, std::ostream* out) { *out << c.name; }
  std::string text;
  bool valid;
  double share;
  std::uint32_t seed;
};

class RandomFaultSettings : public ::testing::TestWithParam<RandomText> {};

TEST_P(RandomFaultSettings, ParseOrRefuse) {
  const auto random = parseRandomFaults(GetParam().text);
  ASSERT_EQ(random.has_value(), GetParam().valid);
  if (!random) return;
  EXPECT_EQ(random->share, GetParam().share);
  EXPECT_EQ(random->seed, GetParam().seed);
}

INSTANTIATE_TEST_SUITE_P(Sim, RandomFaultSettings,
                         ::testing::Values(RandomText{"ShareAlone", "0.1", true, 0.1, 1},
                                           RandomText{"ShareAndSeed", "0.25:42", true, 0.25, 42},
                                           RandomText{"Everything", "1", true, 1.0, 1},
                                           RandomText{"Nothing", "0", false, 0, 0},
                                           RandomText{"MoreThanAll", "1.01", false, 0, 0},
                                           RandomText{"Negative", "-0.5", false, 0, 0},
                                           RandomText{"NoShare", ":3", false, 0, 0},
                                           RandomText{"SeedNotANumber", "0.5:abc", false, 0, 0},
                                           RandomText{"EmptySeed", "0.5:", false, 0, 0},
                                           RandomText{"SeedTooLarge", "0.5:4294967296", false, 0,
                                                      0}),
                         verdomo::test::caseName<RandomText>);

// What a plan draws for `count` replies of one endpoint, as text: "-" for an intact reply.
std::vector<std::string> draws(FaultPlan& plan, int count) {
  std::vector<std::string> drawn;
  for (int i = 0; i < count; ++i) {
    const std::optional<FaultRule> rule = plan.choose("yh_qm");
    drawn.push_back(rule ? std::string(faultKindName(rule->kind)) + "/" +
                               std::to_string(rule->delay.count()) + "/" +
                               std::to_string(rule->bytes)
                         : "-");
  }
  return drawn;
}

TEST(RandomFaultPlan, ASeedReplaysItsFaultsAndAnotherSeedDrawsOthers) {
  FaultPlan first, second, third;
  first.setRandom(RandomFaults{.share = 0.3, .seed = 5});
  second.setRandom(RandomFaults{.share = 0.3, .seed = 5});
  third.setRandom(RandomFaults{.share = 0.3, .seed = 6});
  const std::vector<std::string> drawn = draws(first, 300);
  EXPECT_EQ(drawn, draws(second, 300));
  EXPECT_NE(drawn, draws(third, 300));
  // Setting the same seed again starts the sequence over.
  first.setRandom(RandomFaults{.share = 0.3, .seed = 5});
  EXPECT_EQ(drawn, draws(first, 300));
}

TEST(RandomFaultPlan, SpoilsItsShareWithEveryKindInItsBounds) {
  FaultPlan plan;
  plan.setRandom(RandomFaults{.share = 0.2, .seed = 11});
  std::map<FaultKind, int> kinds;
  int spoilt = 0, shortDelays = 0, longDelays = 0;
  for (int i = 0; i < 5000; ++i) {
    const std::optional<FaultRule> rule = plan.choose("yh_qh");
    if (!rule) continue;
    ++spoilt;
    ++kinds[rule->kind];
    EXPECT_EQ(rule->endpoint, "yh_qh");
    if (rule->kind == FaultKind::Delay) {
      if (rule->delay == kLongDelay) {
        ++longDelays;
      } else {
        ++shortDelays;
        EXPECT_GE(rule->delay, kShortDelayMin);
        EXPECT_LE(rule->delay, kShortDelayMax);
      }
    }
    if (rule->kind == FaultKind::Garbage) {
      EXPECT_GE(rule->bytes, 1u);
      EXPECT_LE(rule->bytes, kMaxRandomGarbage);
    }
  }
  EXPECT_GT(spoilt, 850);  // 1000 expected
  EXPECT_LT(spoilt, 1150);
  for (FaultKind kind : {FaultKind::Delay, FaultKind::Reset, FaultKind::Garbage,
                         FaultKind::Truncate, FaultKind::Oversize})
    EXPECT_GT(kinds[kind], 120) << faultKindName(kind);  // 200 expected each
  EXPECT_EQ(kinds.count(FaultKind::Close), 0u);
  EXPECT_GT(shortDelays, 50);
  EXPECT_GT(longDelays, 50);
}

TEST(RandomFaultPlan, ARuleWinsAndNoRandomMeansNoFault) {
  FaultPlan plan;
  EXPECT_EQ(draws(plan, 50), std::vector<std::string>(50, "-"));
  plan.setRandom(RandomFaults{.share = 1, .seed = 3});
  plan.set({*parseFaultRule("yh_qm:reset")});
  EXPECT_EQ(draws(plan, 20), std::vector<std::string>(20, "reset/20000/0"));
  EXPECT_TRUE(plan.choose("sign"));  // share 1: every other reply is spoilt
  plan.setRandom(std::nullopt);
  EXPECT_FALSE(plan.choose("sign"));
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

// The simulator with a request log in a file of its own.
class LoggedFaults : public SimTest {
 public:
  LoggedFaults() : SimTest(withLog()) {}
  ~LoggedFaults() override { ::unlink(path().c_str()); }

  static const std::string& path() {
    static const std::string file =
        "/tmp/verdomo-sim-faults-" + std::to_string(::getpid()) + ".txt";
    return file;
  }
  static SimulatorOptions withLog() {
    ::unlink(path().c_str());
    SimulatorOptions options = SimulatorOptions::forTests();
    options.requestLogFile = path();
    return options;
  }
  // The "!fault ..." part of every fault line.
  std::vector<std::string> faultLines() const {
    std::ifstream file(path());
    std::vector<std::string> found;
    for (std::string line; std::getline(file, line);)
      if (const std::size_t at = line.find(" !fault "); at != std::string::npos)
        found.push_back(line.substr(at + 1));
    return found;
  }
};

TEST_F(LoggedFaults, EverySpoiltReplyIsLoggedWithItsEndingAndTheReplyItSpoilt) {
  sim.setFaults({*parseFaultRule("yh_gx:truncate"), *parseFaultRule("sign:garbage:10")});
  httpGet(platformUrl(kDockingPort, "/yh_gx/username=demo01&password=demo2026"));
  httpGet(platformUrl(kAccountPort, "/sign/username=demo01&password=demo2026"));
  httpGet(platformUrl(kDockingPort, "/yh_gx/username=demo01&password=demo2026"));
  sim.setFaults({});
  httpGet(platformUrl(kDockingPort, "/yh_gx/username=demo01&password=demo2026"));  // intact

  const std::vector<std::string> lines = faultLines();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_THAT(lines[0], ::testing::MatchesRegex("!fault truncate - yh_gx cut [0-9]+ "
                                                "reply=128\\.50\\|36\\.80"));
  EXPECT_THAT(lines[1], ::testing::StartsWith("!fault garbage 10 sign cut "));
  EXPECT_THAT(lines[1], ::testing::HasSubstr(" reply=128.50|36.80|10001|"));  // sign-in
}

TEST_F(LoggedFaults, ADelayNoticesAPeerThatGivesUpAndWhenItDid) {
  sim.setFaults({*parseFaultRule("yh_gx:delay:8000")});
  const auto start = Clock::now();
  EXPECT_EQ(rawExchange(sim.platformPort(kDockingPort),
                        "GET /yh_gx/username=demo01&password=demo2026 HTTP/1.1\r\n\r\n", 600ms),
            "");
  // The line is logged once the server has seen the peer go, long before the delay is over.
  std::vector<std::string> lines;
  while (lines.empty() && Clock::now() - start < 4s) {
    std::this_thread::sleep_for(20ms);
    lines = faultLines();
  }
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_THAT(lines[0], ::testing::StartsWith("!fault delay 8000 yh_gx peer-left "));
  // Noticed when the peer went, not when the delay was over.
  const long waited = std::stol(lines[0].substr(lines[0].find("peer-left ") + 10));
  EXPECT_LT(waited, 4000);

  // A peer that waits long enough gets the reply.
  sim.setFaults({*parseFaultRule("yh_gx:delay:300")});
  EXPECT_EQ(demo(kDockingPort, "yh_gx"), "128.50|36.80");
  // The line follows the delivered reply, so on a busy machine it may come a little later.
  const auto delivered = Clock::now();
  for (lines = faultLines(); lines.size() < 2 && Clock::now() - delivered < 4s;
       lines = faultLines())
    std::this_thread::sleep_for(20ms);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_THAT(lines[1], ::testing::StartsWith("!fault delay 300 yh_gx delivered "));
}

TEST_F(LoggedFaults, RandomFaultsSpoilEveryReplyOfEveryHostAtShareOne) {
  sim.setRandomFaults(RandomFaults{.share = 1, .seed = 8});
  int intact = 0;
  for (int i = 0; i < 16; ++i) {
    // A peer that gives up after a second: long delays and huge bodies end there.
    const bool update = i % 2 == 1;
    const std::string reply =
        rawExchange(update ? sim.updatePort() : sim.platformPort(kDockingPort),
                    update ? "GET /yh.txt HTTP/1.1\r\nConnection: close\r\n\r\n"
                           : "GET /yh_gx/username=demo01&password=demo2026 HTTP/1.1\r\n"
                             "Connection: close\r\n\r\n",
                    1s);
    const std::size_t body = reply.find("\r\n\r\n");
    intact += reply.starts_with("HTTP/1.1 200") && body != std::string::npos &&
              lengths(reply).first == reply.size() - body - 4 && lengths(reply).first < 1000;
  }
  std::vector<std::string> lines;
  for (const auto start = Clock::now(); lines.size() < 16 && Clock::now() - start < 5s;) {
    std::this_thread::sleep_for(20ms);
    lines = faultLines();
  }
  ASSERT_EQ(lines.size(), 16u);
  int deliveredDelays = 0;
  for (const std::string& line : lines) {
    EXPECT_THAT(line, ::testing::MatchesRegex("!fault (delay|reset|garbage|truncate|oversize) "
                                              "[-0-9a-z]+ (yh_gx|yh\\.txt) "
                                              "(delivered|peer-left|cut) [0-9]+ reply=.+"));
    deliveredDelays += line.starts_with("!fault delay ") && line.find(" delivered ") != line.npos;
  }
  // Only a delay the peer waited out brings the whole reply.
  EXPECT_EQ(intact, deliveredDelays);
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
