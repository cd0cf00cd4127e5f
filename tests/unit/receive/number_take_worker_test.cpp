// Taking numbers against two scripted platform ports: takes on the number port, releases on the
// release port, with a page port that records what it was told.
#include "receive/number_take_worker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <optional>
#include <string>
#include <vector>

#include "api/service_address.h"
#include "support/call_log.h"
#include "support/gbk_test_text.h"
#include "support/manual_clock.h"
#include "support/scripted_http_server.h"

namespace verdomo::test {
namespace {

const std::string kReleasing = "label 正在释放当前列表手机号码中请稍候..";
const std::string kTakeProject = "[1021]某项目 - {价格}：0.5";

struct TakenRow {
  RowId id = 0;
  GbkText phone;
  GbkText takeTime;
  GbkText projectId;
};

std::string noReplyLine(TransportFailure failure) {
  return "no reply " + std::to_string(static_cast<int>(failure));
}

// A take reply that drops the connection instead of answering.
constexpr const char* kReset = "<reset>";

// The take page: its inputs are set by the test, its list is a vector, and every change it is
// asked for is logged.
class RecordingTakePort final : public NumberTakePort {
 public:
  explicit RecordingTakePort(CallLog& log) : log_(log) {}

  GbkText quantity = "1";
  GbkText projectItem = utf8ToGbk(kTakeProject);
  GbkText specificNumber;
  TakeFilters takeFilters{.operatorValue = "", .region = "", .card = "", .loop = "1"};
  std::vector<TakenRow> rows;

  // The rows as "phone takeTime projectId", in UTF-8.
  Texts rowTexts() const {
    Texts texts;
    for (const TakenRow& row : rows)
      texts.push_back(gbkToUtf8(row.phone + " " + row.takeTime + " " + row.projectId));
    return texts;
  }

  void setReleaseLabel(const GbkText& text) override { log_.add("label " + gbkToUtf8(text)); }
  std::vector<RowId> listedRowIds() override {
    std::vector<RowId> ids;
    for (const TakenRow& row : rows)
      ids.push_back(row.id);
    return ids;
  }
  std::optional<ListedNumber> listedNumber(RowId id) override {
    for (const TakenRow& row : rows) {
      if (row.id == id) return ListedNumber{row.id, row.phone, row.projectId};
    }
    return std::nullopt;
  }
  void deleteReleasedRows(const std::vector<ListedNumber>& released) override {
    std::string call = "delete released";
    for (const ListedNumber& number : released) {
      call += " " + gbkToUtf8(number.phone);
      std::erase_if(rows, [&](const TakenRow& row) {
        return row.id == number.id && row.phone == number.phone;
      });
    }
    log_.add(call);
  }
  GbkText quantityText() override { return quantity; }
  GbkText selectedProjectItem() override { return projectItem; }
  GbkText specificNumberText() override { return specificNumber; }
  void clearSpecificNumber() override {
    log_.add("clear specific");
    specificNumber.clear();
  }
  TakeFilters filters() override { return takeFilters; }
  void setTakeButtonsEnabled(bool enabled) override {
    log_.add(enabled ? "buttons on" : "buttons off");
  }
  bool hasRows() override { return !rows.empty(); }
  void appendNumber(const GbkText& phone, const GbkText& takeTime,
                    const GbkText& projectId) override {
    log_.add("append " + gbkToUtf8(phone));
    rows.push_back({nextId_++, phone, takeTime, projectId});
  }
  void showMessage(const GbkText& text) override { log_.add("message " + gbkToUtf8(text)); }
  void showTransportFailure(TransportFailure failure) override { log_.add(noReplyLine(failure)); }

 private:
  CallLog& log_;
  RowId nextId_ = 100;
};

// Logs its pauses and reports a stop from its `stopAt`-th pause on, as a page that is closed
// meanwhile does.
class StopFromPause final : public Pause {
 public:
  StopFromPause(CallLog& log, int stopAt) : log_(log), stopAt_(stopAt) {}
  void pause(int milliseconds) override {
    log_.add("pause " + std::to_string(milliseconds));
    ++pauses_;
  }
  bool stopRequested() const override { return pauses_ >= stopAt_; }

 private:
  CallLog& log_;
  int stopAt_;
  int pauses_ = 0;
};

class NumberTakeTest : public testing::Test {
 protected:
  NumberTakeTest() {
    request.addresses = buildServiceAddresses("127.0.0.1", takeServer.port() - 81);
    request.addresses.releaseAddress = "127.0.0.1:" + std::to_string(releaseServer.port());
    request.credentials = {"demo01", "pw"};
  }

  // Two rows left from an earlier take, of two different projects.
  void listTwoEarlierNumbers() {
    port.rows = {{1, "13800000001", "2026年12月10日9时"_gbk, "1033"},
                 {2, "13800000002", "2026年12月10日9时1分"_gbk, "1021"}};
  }

  Texts targets(const ScriptedHttpServer& server) const {
    Texts texts;
    for (const ScriptedRequest& r : server.requests())
      texts.push_back(r.target);
    return texts;
  }

  // The replies to the take attempts in arrival order (UTF-8), kReset for none at all; later
  // attempts get the empty text.
  Texts takeReplies;
  std::atomic<std::size_t> attempts{0};
  // The clock moves on this many seconds with every take the platform answers.
  std::atomic<int> secondsPerTake{0};
  ManualClock clock{{2026, 12, 10, 9, 7, 3}};
  ScriptedHttpServer takeServer{[this](const ScriptedRequest&) {
    const std::size_t attempt = attempts++;
    clock.advanceSeconds(secondsPerTake);
    const std::string reply = attempt < takeReplies.size() ? takeReplies[attempt] : "";
    if (reply == kReset) return ScriptedReply{.reset = true};
    // Without keep-alive, so that a reset is never taken for a stale connection and retried.
    return ScriptedReply{.body = utf8ToGbk(reply), .headers = {{"Connection", "close"}}};
  }};
  ScriptedHttpServer releaseServer{[](const ScriptedRequest&) { return ScriptedReply::text("1"); }};
  ReceiveRequest request;
  CallLog log;
  LoggingPause pause{log};
  LoggingRequester requester{log};
  RecordingTakePort port{log};
};

TEST_F(NumberTakeTest, MoreThanTenNumbersOnlyShowsTheLimit) {
  listTwoEarlierNumbers();
  for (const char* quantity : {"11", "１１", "99"}) {
    log.calls.clear();
    port.quantity = utf8ToGbk(quantity);
    NumberTakeWorker(requester, pause, clock, request, port).run();
    EXPECT_EQ(log.calls, (Texts{"message 一次最多只能取10个号码"})) << quantity;
  }
  EXPECT_EQ(port.rows.size(), 2u);
  EXPECT_TRUE(takeServer.requests().empty());
  EXPECT_TRUE(releaseServer.requests().empty());
}

TEST_F(NumberTakeTest, NoQuantityStillReleasesTheListedNumbersButTakesNone) {
  for (const char* quantity : {"", "0", "abc"}) {
    log.calls.clear();
    listTwoEarlierNumbers();
    port.specificNumber = "13912345678";
    port.quantity = quantity;
    NumberTakeWorker(requester, pause, clock, request, port).run();
    EXPECT_EQ(log.calls, (Texts{"buttons off", kReleasing,
                                "get /yh_sf/username=demo01&password=pw&id=1033&phone=13800000001",
                                "pause 200",
                                "get /yh_sf/username=demo01&password=pw&id=1021&phone=13800000002",
                                "pause 200", "delete released 13800000001 13800000002", "label ",
                                "clear specific", "buttons on"}))
        << quantity;
    EXPECT_TRUE(port.rows.empty());
  }
  EXPECT_EQ(releaseServer.requests().size(), 6u);
  EXPECT_TRUE(takeServer.requests().empty());
}

TEST_F(NumberTakeTest, SendsTheTakeWithTheFiltersAndListsTheNumbersAtTheirTakeTimes) {
  port.takeFilters = {.operatorValue = "2", .region = "北京"_gbk, .card = "1", .loop = "2"};
  port.quantity = "2";
  takeReplies = {"1|13800138000", "1|13900139000"};
  secondsPerTake = 1;
  NumberTakeWorker(requester, pause, clock, request, port).run();

  const std::string target =
      "/yh_qh/username=demo01&password=pw&id=1021&operator=2&region=%E5%8C%97%E4%BA%AC&card=1"
      "&loop=2";
  EXPECT_EQ(targets(takeServer), (Texts{target, target}));
  EXPECT_EQ(port.rowTexts(), (Texts{"13800138000 2026年12月10日9时7分4秒 1021",
                                    "13900139000 2026年12月10日9时7分5秒 1021"}));
}

TEST_F(NumberTakeTest, ARefusedLaterAttemptIsPassedOverAndTheRunGoesOn) {
  port.quantity = "10";
  for (int attempt = 1; attempt <= 10; ++attempt)
    takeReplies.push_back(attempt == 4 ? "0|号码不足"
                                       : "1|1380000000" + std::to_string(attempt % 10));
  NumberTakeWorker(requester, pause, clock, request, port).run();

  Texts expected{"buttons off", kReleasing, "delete released", "label ", "clear specific"};
  const std::string take =
      "get /yh_qh/username=demo01&password=pw&id=1021&operator=&region=&card=&loop=1";
  for (int attempt = 1; attempt <= 10; ++attempt) {
    expected.push_back(take);
    if (attempt != 4) expected.push_back("append 1380000000" + std::to_string(attempt % 10));
    expected.push_back("pause 500");
  }
  expected.push_back("buttons on");
  EXPECT_EQ(log.calls, expected);
  EXPECT_EQ(port.rows.size(), 9u);
  EXPECT_EQ(takeServer.requests().size(), 10u);
}

TEST_F(NumberTakeTest, ARefusalWhileTheListIsEmptyIsShownAndEndsTheRun) {
  struct Case {
    Texts replies;
    std::size_t requests;
  };
  // An empty reply (a failed request) lists nothing, so a refusal after it still ends the run.
  for (const Case& c : {Case{{"0|已取10|个"}, 1}, Case{{"", "0|已取10|个", "1|13800138000"}, 2}}) {
    log.calls.clear();
    attempts = 0;
    takeReplies = c.replies;
    listTwoEarlierNumbers();  // released first, so the list is empty when the takes begin
    port.quantity = "3";
    const std::size_t before = takeServer.requests().size();
    NumberTakeWorker(requester, pause, clock, request, port).run();
    EXPECT_EQ(takeServer.requests().size() - before, c.requests);
    ASSERT_GE(log.calls.size(), 2u);
    EXPECT_EQ(log.calls[log.calls.size() - 2], "message 已取1个");
    EXPECT_EQ(log.calls.back(), "buttons on");
    EXPECT_TRUE(port.rows.empty());
  }
}

// Every attempt is still sent; a run that got no reply and lists nothing says so once, at its
// end. A number or a refusal is the platform's answer and says nothing more.
TEST_F(NumberTakeTest, TakesWithoutReplyAreToldOnceWhenTheListStaysEmpty) {
  struct Case {
    Texts replies;
    std::size_t requests;
    std::size_t rows;
    bool told;
  };
  const Case cases[] = {
      {{kReset, kReset, kReset}, 3, 0, true},   {{kReset, ""}, 3, 0, true},
      {{kReset, "1|13800138000"}, 3, 1, false}, {{"1|13800138000", kReset}, 3, 1, false},
      {{kReset, "0|已取10|个"}, 2, 0, false},
  };
  for (const Case& c : cases) {
    log.calls.clear();
    attempts = 0;
    takeReplies = c.replies;
    port.rows.clear();
    port.quantity = "3";
    const std::size_t before = takeServer.requests().size();
    NumberTakeWorker(requester, pause, clock, request, port).run();
    const std::string what = testing::PrintToString(c.replies);
    EXPECT_EQ(takeServer.requests().size() - before, c.requests) << what;
    EXPECT_EQ(port.rows.size(), c.rows) << what;
    const std::string told = noReplyLine(TransportFailure::Reset);
    EXPECT_EQ(std::count(log.calls.begin(), log.calls.end(), told), c.told ? 1 : 0) << what;
    if (c.told) {
      EXPECT_EQ(log.calls[log.calls.size() - 2], told) << what;
    }
    EXPECT_EQ(log.calls.back(), "buttons on") << what;
  }
}

TEST_F(NumberTakeTest, WithoutATakeableProjectOnlyTheButtonsBlink) {
  listTwoEarlierNumbers();
  port.quantity = "2";
  for (const char* item : {"", "未搜索到相关项目", "[999]某项目 - {价格}：0.5", "[abc]某项目"}) {
    log.calls.clear();
    port.projectItem = utf8ToGbk(item);
    NumberTakeWorker(requester, pause, clock, request, port).run();
    EXPECT_EQ(log.calls, (Texts{"buttons off", "buttons on"})) << item;
    port.specificNumber = "13912345678";
    log.calls.clear();
    takeSpecifiedNumber(requester, pause, clock, request, port);
    EXPECT_EQ(log.calls, (Texts{"buttons off", "buttons on"})) << item;
  }
  EXPECT_EQ(port.rows.size(), 2u);
  EXPECT_TRUE(takeServer.requests().empty());
  EXPECT_TRUE(releaseServer.requests().empty());
}

TEST_F(NumberTakeTest, ASpecificTakeNeedsANumber) {
  listTwoEarlierNumbers();
  port.specificNumber = "";
  takeSpecifiedNumber(requester, pause, clock, request, port);
  EXPECT_EQ(log.calls, (Texts{"buttons off", "buttons on"}));
  EXPECT_EQ(port.rows.size(), 2u);
  EXPECT_TRUE(takeServer.requests().empty());
  EXPECT_TRUE(releaseServer.requests().empty());
}

TEST_F(NumberTakeTest, ASpecificTakeReleasesTheListThenAsksForThatNumber) {
  listTwoEarlierNumbers();
  port.specificNumber = "13912345678";
  takeReplies = {"1|13912345678"};
  takeSpecifiedNumber(requester, pause, clock, request, port);

  EXPECT_EQ(log.calls,
            (Texts{"buttons off", kReleasing,
                   "get /yh_sf/username=demo01&password=pw&id=1033&phone=13800000001", "pause 200",
                   "get /yh_sf/username=demo01&password=pw&id=1021&phone=13800000002", "pause 200",
                   "delete released 13800000001 13800000002", "label ",
                   "get /yh_qh/username=demo01&password=pw&id=1021&phone=13912345678",
                   "append 13912345678", "buttons on"}));
  EXPECT_EQ(targets(releaseServer),
            (Texts{"/yh_sf/username=demo01&password=pw&id=1033&phone=13800000001",
                   "/yh_sf/username=demo01&password=pw&id=1021&phone=13800000002"}));
  EXPECT_EQ(targets(takeServer),
            (Texts{"/yh_qh/username=demo01&password=pw&id=1021&phone=13912345678"}));
  EXPECT_EQ(port.rowTexts(), (Texts{"13912345678 2026年12月10日9时7分3秒 1021"}));
  EXPECT_EQ(port.specificNumber, "13912345678");
}

TEST_F(NumberTakeTest, ASpecificTakeShowsEveryRefusalAndIgnoresEmptyAnswers) {
  struct Case {
    std::string reply;
    std::string outcome;  // the log line after the request, if any
  };
  const Case cases[] = {{"0|该号码已被占用", "message 该号码已被占用"},
                        {"0|余额10|元", "message 余额1元"},
                        {"", ""},
                        {"1", ""},
                        {kReset, noReplyLine(TransportFailure::Reset)}};
  for (const Case& c : cases) {
    log.calls.clear();
    attempts = 0;
    takeReplies = {c.reply};
    listTwoEarlierNumbers();
    port.specificNumber = "13912345678";
    takeSpecifiedNumber(requester, pause, clock, request, port);
    Texts expected{"get /yh_qh/username=demo01&password=pw&id=1021&phone=13912345678"};
    if (!c.outcome.empty()) expected.push_back(c.outcome);
    expected.push_back("buttons on");
    ASSERT_GE(log.calls.size(), expected.size()) << c.reply;
    EXPECT_EQ(
        Texts(log.calls.end() - static_cast<std::ptrdiff_t>(expected.size()), log.calls.end()),
        expected)
        << c.reply;
    EXPECT_TRUE(port.rows.empty()) << c.reply;
    EXPECT_EQ(port.specificNumber, "13912345678");
  }
}

// The page goes while its numbers are released: the take ends there, instead of asking the
// platform for numbers with whatever a page that is gone answers.
TEST_F(NumberTakeTest, AStopWhileTheListIsReleasedEndsTheTakeThere) {
  for (const int stopAt : {1, 2}) {
    log.calls.clear();
    listTwoEarlierNumbers();
    port.quantity = "3";
    port.specificNumber = "13912345678";
    const std::size_t releasedBefore = releaseServer.requests().size();
    StopFromPause stopping(log, stopAt);
    NumberTakeWorker(requester, stopping, clock, request, port).run();
    EXPECT_EQ(releaseServer.requests().size() - releasedBefore, static_cast<std::size_t>(stopAt));
    EXPECT_EQ(log.calls.back(), "buttons on") << stopAt;
    EXPECT_EQ(port.specificNumber, "13912345678") << stopAt;

    listTwoEarlierNumbers();
    takeSpecifiedNumber(requester, stopping, clock, request, port);
    EXPECT_TRUE(takeServer.requests().empty()) << stopAt;
  }
}

}  // namespace
}  // namespace verdomo::test
