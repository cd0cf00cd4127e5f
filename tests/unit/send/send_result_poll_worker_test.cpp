// The send-result poll against a scripted poll port, with a page port that records its writes
// and a clock the test sets.
#include "send/send_result_poll_worker.h"

#include <gtest/gtest.h>

#include <optional>
#include <regex>
#include <string>

#include "api/date_time_text.h"
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
const std::string kProject = "[2001]某站 - {价格}：0.8 - (发短信)";
const std::string kPhone = "13800138000";
const std::string kPoll = "get /yh_qm/username=demo01&password=pw&id=2001&phone=" + kPhone;

// The page's fields as the worker sees them; its writes are logged in UTF-8.
class RecordingResultPort final : public SendResultPort {
 public:
  explicit RecordingResultPort(CallLog& log) : log_(log) {}

  SendTake take{7, utf8ToGbk(kProject), kPhone, "", utf8ToGbk(kTakenText)};
  bool pageGone = false;

  std::optional<SendTake> readTake() override {
    if (pageGone) return std::nullopt;
    return take;
  }
  void setResult(const SendTake& of, const GbkText& status, const GbkText& label) override {
    log_.add("result " + std::to_string(of.id) + " " + gbkToUtf8(status) + " / " +
             gbkToUtf8(label));
  }
  void setReceivedSms(const SendTake& of, const GbkText& text) override {
    log_.add("sms " + std::to_string(of.id) + " " + gbkToUtf8(text));
  }

 private:
  CallLog& log_;
};

class SendResultPollTest : public testing::Test {
 protected:
  SendResultPollTest() {
    request.addresses = buildServiceAddresses("127.0.0.1", server.port() - 38123);
    request.credentials = {"demo01", "pw"};
  }

  void runPass(long long secondsAfterTake = 10) {
    clock.set(addSeconds(kTaken, secondsAfterTake));
    SendResultPollWorker(requester, pause, clock, request, port).runPass();
  }

  std::string reply = "0|" + kPhone + "|没有收到短信";
  ScriptedHttpServer server{
      [this](const ScriptedRequest&) { return ScriptedReply::text(utf8ToGbk(reply)); }};
  ManualClock clock{kTaken};
  SendResultRequest request;
  CallLog log;
  LoggingPause pause{log};
  LoggingRequester requester{log};
  RecordingResultPort port{log};
};

// Which takes are polled, given up, or left alone; and when.
enum class Outcome { kPolled, kGivenUp, kUntouched };

struct TakeCase {
  const char* name;
  const char* status = "";
  long long seconds = 10;
  const char* project = kProject.c_str();
  const char* phone = kPhone.c_str();
  const char* takeTime = kTakenText.c_str();
  Outcome outcome = Outcome::kPolled;
};

class SendResultTakes : public SendResultPollTest, public testing::WithParamInterface<TakeCase> {};

TEST_P(SendResultTakes, ArePolledGivenUpOrLeftAlone) {
  const TakeCase& c = GetParam();
  port.take.status = utf8ToGbk(c.status);
  port.take.projectItem = utf8ToGbk(c.project);
  port.take.phone = c.phone;
  port.take.takeTime = utf8ToGbk(c.takeTime);
  runPass(c.seconds);
  const std::string givenUp = "已停止获取原因：300秒内未取到发送结果";
  switch (c.outcome) {
    case Outcome::kPolled:
      ASSERT_EQ(log.calls.size(), 4u);
      EXPECT_EQ(log.calls[0], "pause 400");
      EXPECT_TRUE(log.calls[1].starts_with("get /yh_qm/username=demo01&password=pw&id="));
      EXPECT_TRUE(log.calls[1].ends_with("&phone=" + kPhone));
      EXPECT_EQ(log.calls[3], "pause 5000");
      EXPECT_EQ(server.requests().size(), 1u);
      break;
    case Outcome::kGivenUp:
      EXPECT_EQ(log.calls, (Texts{"result 7 " + givenUp + " / " + givenUp, "pause 5000"}));
      EXPECT_TRUE(server.requests().empty());
      break;
    case Outcome::kUntouched:
      EXPECT_EQ(log.calls, Texts{"pause 5000"});
      EXPECT_TRUE(server.requests().empty());
      break;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Takes, SendResultTakes,
    testing::Values(
        TakeCase{.name = "FreshTakeIsPolled"},
        TakeCase{.name = "WaitingIsPolled", .status = "0|没有收到短信"},
        TakeCase{.name = "PolledAtThreeHundredSeconds", .seconds = 300},
        TakeCase{
            .name = "GivenUpAfterThreeHundredOne", .seconds = 301, .outcome = Outcome::kGivenUp},
        TakeCase{.name = "PlatformMessageStillTimesOut",
                 .status = "号码已释放",
                 .seconds = 301,
                 .outcome = Outcome::kGivenUp},
        TakeCase{.name = "PlatformMessageIsNotPolled",
                 .status = "号码已释放",
                 .outcome = Outcome::kUntouched},
        TakeCase{.name = "SuccessIsFinal",
                 .status = "成功",
                 .seconds = 400,
                 .outcome = Outcome::kUntouched},
        TakeCase{.name = "FailureIsFinal",
                 .status = "发送失败",
                 .seconds = 400,
                 .outcome = Outcome::kUntouched},
        TakeCase{.name = "GivenUpIsFinal",
                 .status = "已停止获取原因：300秒内未取到发送结果",
                 .seconds = 400,
                 .outcome = Outcome::kUntouched},
        TakeCase{.name = "ProjectOf1000IsNeverPolled",
                 .seconds = 400,
                 .project = "[1000]某站 - {价格}：0.8 - (发短信)",
                 .outcome = Outcome::kUntouched},
        TakeCase{.name = "ProjectOf1001IsPolled", .project = "[1001]某站 - {价格}：0.8"},
        TakeCase{.name = "PlaceholderIsNeverPolled",
                 .project = "您未收藏[发短信项目]，可通过关键字或项目ID进行搜索。",
                 .outcome = Outcome::kUntouched},
        TakeCase{.name = "NoNumberSendsNothing", .phone = "", .outcome = Outcome::kUntouched},
        TakeCase{.name = "NoTakeTimeSendsNothing", .takeTime = "", .outcome = Outcome::kUntouched},
        TakeCase{.name = "UnreadableTakeTimeIsGivenUp",
                 .takeTime = "昨天",
                 .outcome = Outcome::kGivenUp}),
    caseName<TakeCase>);

struct ReplyCase {
  const char* name;
  std::string reply;
  std::string write;  // the logged write; a "[?]" stands for the random letter
};

class SendResultReplies : public SendResultPollTest,
                          public testing::WithParamInterface<ReplyCase> {};

TEST_P(SendResultReplies, BecomeStatusLabelOrSms) {
  reply = GetParam().reply;
  runPass();
  ASSERT_EQ(log.calls.size(), 4u);
  EXPECT_EQ(log.calls[1], kPoll);
  const std::string& expected = GetParam().write;
  const std::size_t letter = expected.find("[?]");
  if (letter == std::string::npos) {
    EXPECT_EQ(log.calls[2], expected);
  } else {
    // One lower-case letter, drawn anew for every answer.
    EXPECT_TRUE(
        std::regex_match(log.calls[2], std::regex(expected.substr(0, letter) + "\\[[a-z]\\]")))
        << log.calls[2];
  }
}

INSTANTIATE_TEST_SUITE_P(
    Replies, SendResultReplies,
    testing::Values(
        ReplyCase{"EmptyReplyEmptiesBoth", "", "result 7  / "},
        ReplyCase{"TwoPiecesAreShownWhole", "0|号码不存在", "result 7 0|号码不存在 / 0|号码不存在"},
        ReplyCase{"AnEmptyThirdPieceIsNoPiece", "1|" + kPhone + "|",
                  "result 7 1|" + kPhone + "| / 1|" + kPhone + "|"},
        ReplyCase{"SuccessAnywhereInTheNews", "1|" + kPhone + "|您的短信已发送成功，谢谢",
                  "result 7 成功 / 您的短信已发送成功，谢谢"},
        ReplyCase{"SuccessWinsOverFailure", "1|" + kPhone + "|失败后重发成功",
                  "result 7 成功 / 失败后重发成功"},
        ReplyCase{"Failure", "1|" + kPhone + "|发送失败:内容违规",
                  "result 7 失败 / 发送失败:内容违规"},
        ReplyCase{"AnSmsOnTheNumber", "1|" + kPhone + "|【某站】验证码123456",
                  "sms 7 【某站】验证码123456"},
        ReplyCase{"PlatformMessageGetsALetter", "0|" + kPhone + "|号码已释放",
                  "result 7 号码已释放 / 号码已释放 [?]"}),
    caseName<ReplyCase>);

TEST_F(SendResultPollTest, APassWithoutAPageOnlyWaits) {
  port.pageGone = true;
  runPass();
  EXPECT_EQ(log.calls, Texts{"pause 5000"});
  EXPECT_TRUE(server.requests().empty());
}

// Ends the worker after its second pass.
class StoppingPause final : public Pause {
 public:
  explicit StoppingPause(CallLog& log) : log_(log) {}
  std::stop_token token() const { return source_.get_token(); }
  void pause(int milliseconds) override {
    log_.add("pause " + std::to_string(milliseconds));
    if (milliseconds == 5000 && ++passes_ == 2) source_.request_stop();
  }

 private:
  CallLog& log_;
  int passes_ = 0;
  std::stop_source source_;
};

TEST_F(SendResultPollTest, TheWorkerPollsPassAfterPassOnOneConnectionUntilStopped) {
  reply = "1|" + kPhone + "|验证码1";  // an SMS: the number stays pending
  StoppingPause stopping(log);
  SendResultPollWorker(requester, stopping, clock, request, port).run(stopping.token());
  EXPECT_EQ(log.calls, (Texts{"pause 400", kPoll, "sms 7 验证码1", "pause 5000", "pause 400", kPoll,
                              "sms 7 验证码1", "pause 5000"}));
  EXPECT_EQ(server.connectionCount(), 1);
}

}  // namespace
}  // namespace verdomo::test
