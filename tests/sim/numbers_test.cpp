// Taking, polling, releasing and blacklisting numbers (ports 81, 38123 and 107).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <thread>

#include "sim/platform/events.h"
#include "sim_test_support.h"
#include "support/case_name.h"

namespace verdomo::sim::test {
namespace {

using namespace std::chrono_literals;

class Numbers : public SimTest {
 public:
  std::string poll(const std::string& phone, std::string_view id = "1100") {
    return demo(kPollPort, "yh_qm", "&id=" + std::string(id) + "&phone=" + phone);
  }
  std::string balance() { return split(demo(kDockingPort, "yh_gx"), "|").at(0); }
  const Segment& segmentOf(const std::string& phone) {
    const Segment* segment = sim.numberPlan().findSegment(phone);
    EXPECT_NE(segment, nullptr) << phone;
    return *segment;
  }
};

// Project 1100 has no docking, so the whole pool serves it.
constexpr const char* kTake = "&id=1100&operator=&region=&card=&loop=1";
// Exactly one segment of three numbers: 广东, 联通, real cards.
constexpr const char* kNarrow = "&id=1100&operator=2&region=广东&card=2&loop=";

TEST_F(Numbers, TakeGivesAnElevenDigitNumberWhoseSmsArrivesAfterTheDelay) {
  sim.setSmsDelay(10s);
  const std::string phone = takeNumber(kTake);
  EXPECT_THAT(phone, ::testing::MatchesRegex("1[0-9]{10}"));
  EXPECT_EQ(poll(phone), "0|" + phone + "|没有收到短信");
  EXPECT_EQ(balance(), "128.50");  // nothing is charged before the SMS

  sim.advanceClock(11s);
  const auto fields = split(poll(phone), "|");
  ASSERT_EQ(fields.size(), 3u);
  EXPECT_EQ(fields[0], "1");
  // A text with a code of four to six digits, the first digits in it.
  EXPECT_THAT(fields[2], ::testing::MatchesRegex("[^0-9]*[0-9]{4,6}[^0-9].*"));
  EXPECT_EQ(balance(), "127.70");  // project 1100 costs 0.80
  // The SMS is the newest SMS record.
  const auto newest = split(split(demo(kRecordsPort, "yh_mx"), "|").at(2), "#c-");
  ASSERT_GE(newest.size(), 6u);
  EXPECT_EQ(newest[0], "1100");
  EXPECT_EQ(newest[2], phone);
  EXPECT_EQ(newest[4], fields[2]);
}

// Whoever sees a number beside a code can tell whether the code was sent to that number.
TEST_F(Numbers, TheCodeOfAnSmsDerivesFromItsNumber) {
  EXPECT_EQ(codeForNumber("13800138000", 6), "864939");
  EXPECT_EQ(codeForNumber("13800138000", 4), "9939");
  EXPECT_EQ(codeForNumber("15912345678", 6), "994502");
  std::set<std::string> codes;
  for (int i = 0; i < 4; ++i) {
    const std::string phone = takeNumber(kTake);
    const std::vector<std::string> fields = split(poll(phone), "|");
    ASSERT_EQ(fields.size(), 3u);
    EXPECT_THAT(fields[2], ::testing::HasSubstr(codeForNumber(phone, 6))) << phone;
    codes.insert(codeForNumber(phone, 6));
  }
  EXPECT_EQ(codes.size(), 4u);
}

TEST_F(Numbers, SmsArrivesInRealTimeToo) {
  sim.setSmsDelay(500ms);
  const auto beforeTake = std::chrono::steady_clock::now();
  const std::string phone = takeNumber(kTake);
  // Polled until it is there: no poll may bring it before the delay, however late it comes.
  std::string reply = poll(phone);
  while (reply.substr(0, 2) != "1|") {
    ASSERT_EQ(reply, "0|" + phone + "|没有收到短信");
    ASSERT_LT(std::chrono::steady_clock::now() - beforeTake, 30s) << "the SMS never came";
    std::this_thread::sleep_for(20ms);
    reply = poll(phone);
  }
  EXPECT_GE(std::chrono::steady_clock::now() - beforeTake, 500ms);
}

struct Filter {
  std::string name;
  friend void PrintTo(const Filter& c, std::ostream* out) { *out << c.name; }
  std::string parameters;
  int carrier;  // 0: any
  std::string province;
  int card;  // 0: any
};

class TakeFilters : public Numbers, public ::testing::WithParamInterface<Filter> {};

TEST_P(TakeFilters, AreHonouredByEveryNumber) {
  for (int i = 0; i < 3; ++i) {  // the narrowest filter leaves one segment of three numbers
    const std::string phone = takeNumber("&id=1100" + GetParam().parameters + "&loop=2");
    const Segment& segment = segmentOf(phone);
    if (GetParam().carrier) {
      EXPECT_EQ(static_cast<int>(segment.carrier), GetParam().carrier);
    }
    if (!GetParam().province.empty()) {
      EXPECT_EQ(gbkToUtf8(segment.province), GetParam().province);
    }
    if (GetParam().card) {
      EXPECT_EQ(static_cast<int>(segment.card), GetParam().card);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Sim, TakeFilters,
    ::testing::Values(Filter{"Operator", "&operator=3&region=&card=", 3, "", 0},
                      Filter{"Region", "&operator=&region=黑龙江&card=", 0, "黑龙江", 0},
                      Filter{"VirtualCards", "&operator=&region=&card=1", 0, "", 1},
                      Filter{"All", "&operator=1&region=内蒙&card=2", 1, "内蒙", 2}),
    verdomo::test::caseName<Filter>);

struct TakeRefusal {
  std::string name;
  friend void PrintTo(const TakeRefusal& c, std::ostream* out) { *out << c.name; }
  std::string parameters;
  std::string reply;
};

class TakeRefusals : public Numbers, public ::testing::WithParamInterface<TakeRefusal> {};

TEST_P(TakeRefusals, AnswerZeroAndTheReason) {
  EXPECT_EQ(demo(kNumberPort, "yh_qh", GetParam().parameters), GetParam().reply);
}

INSTANTIATE_TEST_SUITE_P(
    Sim, TakeRefusals,
    ::testing::Values(
        TakeRefusal{"UnknownProject", "&id=999&operator=&region=&card=&loop=1", "0|项目不存在"},
        TakeRefusal{"NonNumericId", "&id=abc&operator=&region=&card=&loop=1", "0|项目不存在"},
        TakeRefusal{"BadOperator", "&id=1100&operator=4&region=&card=&loop=1", "0|运营商参数错误"},
        TakeRefusal{"BadCard", "&id=1100&operator=&region=&card=9&loop=1", "0|卡型参数错误"},
        TakeRefusal{"NoNumbersInRegion", "&id=1100&operator=&region=香港&card=&loop=1",
                    "0|暂无符合条件的号码，请稍后再试"},
        TakeRefusal{"NamedNumberMalformed", "&id=1100&phone=123", "0|手机号码格式错误"},
        TakeRefusal{"NamedNumberOffline", "&id=1100&phone=10000000000", "0|该号码不在线"}),
    verdomo::test::caseName<TakeRefusal>);

TEST_F(Numbers, LoopFlagLeavesOutUsedNumbersAndTheBlacklistWinsOverIt) {
  std::set<std::string> taken;
  for (int i = 0; i < 3; ++i)
    taken.insert(takeNumber(std::string(kNarrow) + "1"));
  ASSERT_EQ(taken.size(), 3u);
  EXPECT_EQ(demo(kNumberPort, "yh_qh", std::string(kNarrow) + "1"),
            "0|暂无符合条件的号码，请稍后再试");  // all three held

  for (const std::string& phone : taken)
    EXPECT_EQ(demo(kReleasePort, "yh_sf", "&id=1100&phone=" + phone), "释放成功");
  EXPECT_EQ(demo(kNumberPort, "yh_qh", std::string(kNarrow) + "1"),
            "0|暂无符合条件的号码，请稍后再试");  // free again, but used for this project
  // Another project may have them.
  const std::string forOtherProject = takeNumber("&id=1101&operator=2&region=广东&card=2&loop=1");
  EXPECT_TRUE(taken.count(forOtherProject));
  EXPECT_EQ(demo(kReleasePort, "yh_sf", "&id=1101&phone=" + forOtherProject), "释放成功");

  const std::string again = takeNumber(std::string(kNarrow) + "2");
  EXPECT_TRUE(taken.count(again));
  EXPECT_EQ(demo(kReleasePort, "yh_lh", "&id=1100&phone=" + again), "加黑成功");
  for (int i = 0; i < 2; ++i)
    EXPECT_NE(takeNumber(std::string(kNarrow) + "2"), again);
  EXPECT_EQ(demo(kNumberPort, "yh_qh", "&id=1100&phone=" + again), "0|该号码已被您加黑");
}

TEST_F(Numbers, ReleaseEndsPollingAndOnlyTheHolderMayRelease) {
  const std::string phone = takeNumber(kTake);
  EXPECT_EQ(
      ask(kReleasePort, "/yh_sf/username=friend01&password=friend2026&id=1100&phone=" + phone),
      "号码不存在或已释放");
  EXPECT_EQ(demo(kReleasePort, "yh_sf", "&id=1100&phone=" + phone), "释放成功");
  EXPECT_EQ(poll(phone), "0|" + phone + "|该号码不存在或已释放");
  EXPECT_EQ(demo(kReleasePort, "yh_sf", "&id=1100&phone=" + phone), "号码不存在或已释放");
  EXPECT_EQ(demo(kReleasePort, "yh_lh", "&id=1100&phone=" + phone), "号码不存在或已释放");
}

TEST_F(Numbers, TakingANamedNumberReusesOwnNumbersAndRefusesOthers) {
  sim.setSmsDelay(10s);
  const std::string phone = takeNumber(kTake);
  sim.advanceClock(11s);
  ASSERT_EQ(poll(phone).substr(0, 2), "1|");

  // Asking for the own number again starts a new wait for a new SMS.
  EXPECT_EQ(takeNumber("&id=1100&phone=" + phone), phone);
  EXPECT_EQ(poll(phone), "0|" + phone + "|没有收到短信");
  sim.advanceClock(11s);
  EXPECT_EQ(poll(phone).substr(0, 2), "1|");

  const std::string friends =
      ask(kNumberPort, "/yh_qh/username=friend01&password=friend2026&id=1100&phone=" + phone);
  EXPECT_EQ(friends, "0|该号码已被占用");
}

TEST_F(Numbers, HeldNumbersAreLimitedAndGoBackToThePoolAfterTwentyMinutes) {
  std::vector<std::string> held;
  for (int i = 0; i < 20; ++i)
    held.push_back(takeNumber("&id=1100&operator=&region=&card=&loop=2"));
  EXPECT_EQ(demo(kNumberPort, "yh_qh", kTake), "0|您占用的号码已达20个，请先释放号码");
  sim.advanceClock(std::chrono::minutes(21));
  EXPECT_EQ(poll(held.front()), "0|" + held.front() + "|该号码不存在或已释放");
  EXPECT_EQ(demo(kNumberPort, "yh_qh", kTake).substr(0, 2), "1|");
}

TEST_F(Numbers, ActiveDockingDecidesTheSupplier) {
  // demo01's docking for project 1001 is active: every number comes from its supplier.
  const GbkText supplier =
      sim.numberPlan().findNumber(takeNumber("&id=1001&operator=&region=&card=&loop=2"))->supplier;
  for (int i = 0; i < 5; ++i)
    EXPECT_EQ(sim.numberPlan()
                  .findNumber(takeNumber("&id=1001&operator=&region=&card=&loop=2"))
                  ->supplier,
              supplier);
  // Paused, it no longer restricts the pool.
  EXPECT_EQ(demo(kDockingPort, "yh_zs_fhzt", "&d=KX7Q2M9TPLW4A"), "暂停成功");
  std::set<GbkText> suppliers;
  for (int i = 0; i < 10; ++i)
    suppliers.insert(sim.numberPlan()
                         .findNumber(takeNumber("&id=1001&operator=&region=&card=&loop=2"))
                         ->supplier);
  EXPECT_GT(suppliers.size(), 1u);
}

TEST_F(Numbers, AnAccountWithoutMoneyCannotTake) {
  ASSERT_EQ(ask(kAccountPort,
                "/ZC/username=poorman1&password=secret66&password1=secret66&QQ=12345"
                "&Fullname=穷&account=p@q.r&Referee=&problem=p&Answer=a&type=1"),
            "注册成功");
  EXPECT_EQ(
      ask(kNumberPort,
          "/yh_qh/username=poorman1&password=secret66&id=1100&operator=&region=&card=&loop=1"),
      "0|余额不足，请先充值");
}

// A long run starts the demo account with more money, so that its takes are not refused.
class RichDemo : public SimTest {
 public:
  RichDemo() : SimTest(rich()) {}
  static SimulatorOptions rich() {
    SimulatorOptions options = SimulatorOptions::forTests();
    options.demoBalance = 500050;
    return options;
  }
};

TEST_F(RichDemo, StartsWithTheBalanceGiven) {
  EXPECT_EQ(demo(kDockingPort, "yh_gx"), "5000.50|36.80");
}

}  // namespace
}  // namespace verdomo::sim::test
