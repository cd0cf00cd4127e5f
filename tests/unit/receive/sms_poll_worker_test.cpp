// The SMS poll against a scripted poll port, with a list port that records its writes and a
// clock the test sets.
#include "receive/sms_poll_worker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <ostream>
#include <stop_token>
#include <string>
#include <vector>

#include "api/service_address.h"
#include "support/call_log.h"
#include "support/case_name.h"
#include "support/gbk_test_text.h"
#include "support/manual_clock.h"
#include "support/scripted_http_server.h"

namespace verdomo::test {
namespace {

const LocalDateTime kTaken{2026, 12, 10, 9, 7, 3};
const std::string kTakenText = "2026年12月10日9时7分3秒";
const std::string kPolledProject = "[1021]某项目 - {价格}：0.5";
const std::string kPhone = "13800138000";

LocalDateTime after(long long seconds) {
  return addSeconds(kTaken, seconds);
}

struct ListedRow {
  RowId id = 0;
  GbkText phone;
  GbkText status;
  GbkText takeTime;
  GbkText code;
  GbkText smsText;
};

// The number list as the poll sees it. Writes are logged, and land only on the row with that
// identity while it still holds that number.
class RecordingPollPort final : public SmsPollPort {
 public:
  explicit RecordingPollPort(CallLog& log) : log_(log) {}

  // The n-th read of the selected project answers item n; the last item answers from then on.
  std::vector<GbkText> projectItems{utf8ToGbk(kPolledProject)};
  std::vector<ListedRow> rows;
  // The user empties the list while a poll is in flight.
  bool emptyListWhenReading = false;

  void addRow(RowId id, const std::string& phone, const std::string& status,
              const std::string& takeTime = kTakenText) {
    rows.push_back({id, phone, utf8ToGbk(status), utf8ToGbk(takeTime), {}, {}});
  }

  GbkText selectedProjectItem() override {
    const std::size_t index = std::min(projectReads_++, projectItems.size() - 1);
    return projectItems[index];
  }
  int rowCount() override { return static_cast<int>(rows.size()); }
  std::optional<PolledRow> rowAt(int index) override {
    if (index < 0 || index >= rowCount()) return std::nullopt;
    const ListedRow& row = rows[static_cast<std::size_t>(index)];
    return PolledRow{row.id, row.phone, row.status, row.takeTime};
  }
  void setStatus(RowId id, const GbkText& phone, const GbkText& status) override {
    log_.add("status " + gbkToUtf8(phone) + " " + gbkToUtf8(status));
    if (ListedRow* row = find(id, phone)) row->status = status;
    if (emptyListWhenReading && status == "读取中"_gbk) rows.clear();
  }
  void setArrived(RowId id, const GbkText& phone, const GbkText& code,
                  const GbkText& smsText) override {
    log_.add("arrived " + gbkToUtf8(phone) + " code " + gbkToUtf8(code) + " text " +
             gbkToUtf8(smsText));
    if (ListedRow* row = find(id, phone)) {
      row->status = "短信已达到"_gbk;
      row->code = code;
      row->smsText = smsText;
    }
  }

 private:
  ListedRow* find(RowId id, const GbkText& phone) {
    for (ListedRow& row : rows) {
      if (row.id == id && row.phone == phone) return &row;
    }
    return nullptr;
  }

  CallLog& log_;
  std::size_t projectReads_ = 0;
};

class SmsPollTest : public testing::Test {
 protected:
  SmsPollTest() {
    request.addresses = buildServiceAddresses("127.0.0.1", server.port() - 38123);
    request.credentials = {"demo01", "pw"};
  }

  void runPass() { SmsPollWorker(requester, pause, clock, request, port).runPass(); }

  Texts targets() const {
    Texts texts;
    for (const ScriptedRequest& r : server.requests())
      texts.push_back(r.target);
    return texts;
  }

  // Replies by the phone number asked for (UTF-8); any other number gets `reply`.
  std::map<std::string, std::string> repliesByPhone;
  std::string reply = "0|" + kPhone + "|没有收到短信";
  ScriptedHttpServer server{[this](const ScriptedRequest& r) {
    const std::size_t at = r.target.rfind("&phone=");
    const std::string phone = at == std::string::npos ? "" : r.target.substr(at + 7);
    const auto found = repliesByPhone.find(phone);
    return ScriptedReply::text(utf8ToGbk(found == repliesByPhone.end() ? reply : found->second));
  }};
  ManualClock clock{after(10)};
  ReceiveRequest request;
  CallLog log;
  LoggingPause pause{log};
  LoggingRequester requester{log};
  RecordingPollPort port{log};
};

// Which rows are polled, which are given up and which are left alone.
enum class Outcome { kPolled, kGivenUp, kUntouched };

struct StatusCase {
  std::string name;
  std::string status;
  LocalDateTime now;
  std::string takeTime = kTakenText;
  std::string project = kPolledProject;
  Outcome outcome;
};

void PrintTo(const StatusCase& c, std::ostream* out) {
  *out << c.name;
}

class SmsPollStatuses : public SmsPollTest, public testing::WithParamInterface<StatusCase> {};

TEST_P(SmsPollStatuses, DecideWhetherTheRowIsPolledGivenUpOrLeftAlone) {
  const StatusCase& c = GetParam();
  port.projectItems = {utf8ToGbk(c.project)};
  port.addRow(7, kPhone, c.status, c.takeTime);
  clock.set(c.now);
  runPass();

  const std::string reading = "status " + kPhone + " 读取中";
  switch (c.outcome) {
    case Outcome::kPolled:
      EXPECT_EQ(log.calls,
                (Texts{reading, "pause 400",
                       "get /yh_qm/username=demo01&password=pw&id=" +
                           gbkToUtf8(*takeableProjectId(utf8ToGbk(c.project))) + "&phone=" + kPhone,
                       "status " + kPhone + " 没有收到短信", "pause 100", "pause 5000"}));
      EXPECT_EQ(server.requests().size(), 1u);
      break;
    case Outcome::kGivenUp:
      EXPECT_EQ(log.calls, (Texts{"status " + kPhone + " 已停止获取原因：300秒内未取到短信",
                                  "pause 100", "pause 5000"}));
      EXPECT_TRUE(server.requests().empty());
      break;
    case Outcome::kUntouched:
      EXPECT_EQ(log.calls, (Texts{"pause 100", "pause 5000"}));
      EXPECT_TRUE(server.requests().empty());
      EXPECT_EQ(gbkToUtf8(port.rows[0].status), c.status);
      break;
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, SmsPollStatuses,
                         testing::Values(StatusCase{.name = "FreshRowIsPolled",
                                                    .status = "",
                                                    .now = after(10),
                                                    .outcome = Outcome::kPolled},
                                         StatusCase{.name = "WaitingRowIsPolled",
                                                    .status = "没有收到短信",
                                                    .now = after(10),
                                                    .outcome = Outcome::kPolled},
                                         StatusCase{.name = "StatusHoldingTheWaitingTextIsPolled",
                                                    .status = "0|没有收到短信,请稍后",
                                                    .now = after(10),
                                                    .outcome = Outcome::kPolled},
                                         StatusCase{.name = "ReadingIsNotPolled",
                                                    .status = "读取中",
                                                    .now = after(10),
                                                    .outcome = Outcome::kUntouched},
                                         StatusCase{.name = "OtherPlatformMessageIsNotPolled",
                                                    .status = "号码已释放",
                                                    .now = after(10),
                                                    .outcome = Outcome::kUntouched},
                                         StatusCase{.name = "ArrivedIsNeverTouched",
                                                    .status = "短信已达到",
                                                    .now = after(1000),
                                                    .outcome = Outcome::kUntouched},
                                         StatusCase{.name = "GivenUpIsNeverTouched",
                                                    .status = "已停止获取原因：300秒内未取到短信",
                                                    .now = after(1000),
                                                    .outcome = Outcome::kUntouched},
                                         StatusCase{.name = "At300SecondsStillPolled",
                                                    .status = "",
                                                    .now = after(300),
                                                    .outcome = Outcome::kPolled},
                                         StatusCase{.name = "At301SecondsGivenUp",
                                                    .status = "",
                                                    .now = after(301),
                                                    .outcome = Outcome::kGivenUp},
                                         StatusCase{.name = "WaitingPastTheLimitGivenUp",
                                                    .status = "没有收到短信",
                                                    .now = after(301),
                                                    .outcome = Outcome::kGivenUp},
                                         StatusCase{.name = "OtherMessagePastTheLimitGivenUp",
                                                    .status = "号码已释放",
                                                    .now = after(400),
                                                    .outcome = Outcome::kGivenUp},
                                         StatusCase{.name = "ReadingPastTheLimitGivenUp",
                                                    .status = "读取中",
                                                    .now = after(400),
                                                    .outcome = Outcome::kGivenUp},
                                         StatusCase{.name = "AcrossNewYearWithinTheLimit",
                                                    .status = "",
                                                    .now = {2027, 1, 1, 0, 4, 0},
                                                    .takeTime = "2026年12月31日23时59分",
                                                    .outcome = Outcome::kPolled},
                                         StatusCase{.name = "AcrossNewYearPastTheLimit",
                                                    .status = "",
                                                    .now = {2027, 1, 1, 0, 4, 1},
                                                    .takeTime = "2026年12月31日23时59分",
                                                    .outcome = Outcome::kGivenUp},
                                         StatusCase{.name = "RowWithoutTakeTimeIsSkipped",
                                                    .status = "",
                                                    .now = after(10),
                                                    .takeTime = "",
                                                    .outcome = Outcome::kUntouched},
                                         StatusCase{.name = "UnreadableTakeTimeIsGivenUp",
                                                    .status = "",
                                                    .now = after(10),
                                                    .takeTime = "昨天",
                                                    .outcome = Outcome::kGivenUp},
                                         StatusCase{
                                             .name = "PlaceholderProjectPausesPollingAndTimeOuts",
                                             .status = "",
                                             .now = after(1000),
                                             .project = "未搜索到相关项目",
                                             .outcome = Outcome::kUntouched},
                                         StatusCase{.name = "NoProjectPausesPolling",
                                                    .status = "",
                                                    .now = after(10),
                                                    .project = "",
                                                    .outcome = Outcome::kUntouched},
                                         StatusCase{.name = "ProjectBelow1000PausesPolling",
                                                    .status = "",
                                                    .now = after(1000),
                                                    .project = "[999]某项目 - {价格}：0.5",
                                                    .outcome = Outcome::kUntouched},
                                         StatusCase{.name = "Project1000IsPolled",
                                                    .status = "",
                                                    .now = after(10),
                                                    .project = "[1000]某项目 - {价格}：0.5",
                                                    .outcome = Outcome::kPolled}),
                         caseName<StatusCase>);

struct ReplyCase {
  std::string name;
  std::string reply;
  std::string outcome;  // the write after the request
};

void PrintTo(const ReplyCase& c, std::ostream* out) {
  *out << c.name;
}

class SmsPollReplies : public SmsPollTest, public testing::WithParamInterface<ReplyCase> {};

TEST_P(SmsPollReplies, AreWrittenIntoTheRow) {
  const ReplyCase& c = GetParam();
  reply = c.reply;
  port.addRow(7, kPhone, "");
  runPass();
  ASSERT_EQ(log.calls.size(), 6u);
  EXPECT_EQ(log.calls[3], c.outcome);
}

INSTANTIATE_TEST_SUITE_P(
    Replies, SmsPollReplies,
    testing::Values(
        ReplyCase{"CodeIsTheFirstRunOfDigits", "1|13800138000|【某站】验证码123456，5分钟内有效",
                  "arrived 13800138000 code 123456 text 【某站】验证码123456，5分钟内有效"},
        ReplyCase{"EarlierDigitsWin", "1|p|有效期5分钟，验证码8899",
                  "arrived 13800138000 code 5 text 有效期5分钟，验证码8899"},
        ReplyCase{"SmsWithoutDigitsGivesNoCode", "1|p|您的验证码已发送",
                  "arrived 13800138000 code  text 您的验证码已发送"},
        ReplyCase{"FullWidthDigitsAreNoCode", "1|p|验证码８８９９",
                  "arrived 13800138000 code  text 验证码８８９９"},
        ReplyCase{"SmsTextIsCutAtABar", "1|p|验证码12|34结束",
                  "arrived 13800138000 code 12 text 验证码12"},
        ReplyCase{"WaitingMessage", "0|p|没有收到短信", "status 13800138000 没有收到短信"},
        ReplyCase{"OtherMessage", "0|p|号码已释放", "status 13800138000 号码已释放"},
        ReplyCase{"OtherStatusShowsItsMessage", "2|p|其他", "status 13800138000 其他"},
        ReplyCase{"TwoPiecesAreWrittenWhole", "0|没有收到短信",
                  "status 13800138000 0|没有收到短信"},
        ReplyCase{"ArrivalWithoutTextIsWrittenWhole", "1|p|", "status 13800138000 1|p|"},
        ReplyCase{"StatusAloneIsWrittenWhole", "1", "status 13800138000 1"},
        ReplyCase{"EmptyReplyEmptiesTheStatus", "", "status 13800138000 "}),
    caseName<ReplyCase>);

// A broken answer is an empty reply: the row's status is emptied and it stays polled.
TEST_F(SmsPollTest, AFailedPollEmptiesTheStatus) {
  const std::pair<const char*, ScriptedReply> faults[] = {
      {"reset", ScriptedReply{.reset = true}},
      {"garbage", ScriptedReply{.raw = std::string("\x01\x02 not http at all\r\n\r\n")}},
      {"truncated", ScriptedReply{.raw = std::string("HTTP/1.1 200 OK\r\nContent-Length: 50\r\n"
                                                     "\r\n1|13800138000|cut")}},
  };
  for (const auto& [name, broken] : faults) {
    ScriptedHttpServer brokenServer([reply = broken](const ScriptedRequest&) { return reply; });
    request.addresses = buildServiceAddresses("127.0.0.1", brokenServer.port() - 38123);
    port.rows.clear();
    log.calls.clear();
    port.addRow(7, kPhone, "");
    runPass();
    ASSERT_EQ(log.calls.size(), 6u) << name;
    EXPECT_EQ(log.calls[3], "status 13800138000 ") << name;
  }
}

TEST_F(SmsPollTest, APassAsksForEveryWaitingRowInTurnAtItsPace) {
  port.addRow(1, "13800000001", "");
  port.addRow(2, "13800000002", "短信已达到");
  port.addRow(3, "13800000003", "没有收到短信");
  repliesByPhone = {{"13800000001", "1|13800000001|验证码4321"},
                    {"13800000003", "0|13800000003|没有收到短信"}};
  runPass();

  EXPECT_EQ(log.calls, (Texts{"status 13800000001 读取中", "pause 400",
                              "get /yh_qm/username=demo01&password=pw&id=1021&phone=13800000001",
                              "arrived 13800000001 code 4321 text 验证码4321", "pause 100",
                              "pause 100", "status 13800000003 读取中", "pause 400",
                              "get /yh_qm/username=demo01&password=pw&id=1021&phone=13800000003",
                              "status 13800000003 没有收到短信", "pause 100", "pause 5000"}));
  EXPECT_EQ(targets(), (Texts{"/yh_qm/username=demo01&password=pw&id=1021&phone=13800000001",
                              "/yh_qm/username=demo01&password=pw&id=1021&phone=13800000003"}));
  EXPECT_EQ(gbkToUtf8(port.rows[0].code), "4321");
}

TEST_F(SmsPollTest, EveryRowIsAskedForWithTheProjectSelectedWhenItsTurnComes) {
  port.projectItems = {"[1021]甲 - {价格}：0.5"_gbk, "未搜索到相关项目"_gbk,
                       "[1033]乙 - {价格}：0.5"_gbk};
  port.addRow(1, "13800000001", "");
  port.addRow(2, "13800000002", "", "2026年12月10日8时");  // long past the limit
  port.addRow(3, "13800000003", "");
  runPass();
  EXPECT_EQ(targets(), (Texts{"/yh_qm/username=demo01&password=pw&id=1021&phone=13800000001",
                              "/yh_qm/username=demo01&password=pw&id=1033&phone=13800000003"}));
  EXPECT_EQ(gbkToUtf8(port.rows[1].status), "");
}

TEST_F(SmsPollTest, RowsThatLeaveTheListDuringAPassAreSkipped) {
  port.addRow(1, "13800000001", "");
  port.addRow(2, "13800000002", "");
  port.emptyListWhenReading = true;
  runPass();
  EXPECT_EQ(targets(), (Texts{"/yh_qm/username=demo01&password=pw&id=1021&phone=13800000001"}));
  EXPECT_EQ(log.calls.back(), "pause 5000");
  EXPECT_EQ(std::count(log.calls.begin(), log.calls.end(), "pause 100"), 2);
}

TEST_F(SmsPollTest, AnEmptyListOnlyWaitsForTheNextPass) {
  runPass();
  EXPECT_EQ(log.calls, (Texts{"pause 5000"}));
}

// Ends the worker after the given number of passes.
class StopAfterPasses final : public Pause {
 public:
  StopAfterPasses(CallLog& log, int passes) : log_(log), passesLeft_(passes) {}
  std::stop_token token() const { return source_.get_token(); }
  void pause(int milliseconds) override {
    log_.add("pause " + std::to_string(milliseconds));
    if (milliseconds == 5000 && --passesLeft_ == 0) source_.request_stop();
  }

 private:
  CallLog& log_;
  int passesLeft_;
  std::stop_source source_;
};

TEST_F(SmsPollTest, TheWorkerPassesUntilItIsStopped) {
  port.addRow(1, "13800000001", "");
  StopAfterPasses stopping(log, 2);
  SmsPollWorker(requester, stopping, clock, request, port).run(stopping.token());
  EXPECT_EQ(std::count(log.calls.begin(), log.calls.end(), "pause 5000"), 2);
  EXPECT_EQ(server.requests().size(), 2u);  // the waiting row once in each pass
}

}  // namespace
}  // namespace verdomo::test
