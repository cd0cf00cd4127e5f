// The SMS poll and the attribution workers filling the 取号 page's rows, against a scripted
// platform and segment service, with the page's clock moved by the test.
#include <QComboBox>
#include <set>

#include "receive_fixture.h"
#include "support/manual_clock.h"

namespace verdomo::test {
namespace {

// The page's clock: workers read it on their threads, so it outlives every worker.
ManualClock& steppedClock() {
  static ManualClock clock;
  return clock;
}

class ReceivePollingTest : public ReceiveFixture {
 protected:
  ReceivePollingTest()
      : ReceiveFixture((steppedClock().set({2026, 12, 10, 9, 0, 0}), steppedClock())) {}

  // The page's two workers of the client's life: the SMS poll and the attribution.
  void startPollingWorkers() {
    page->startSmsPollWorker();
    page->startAttributionWorker();
  }

  // Lists the numbers of `phones`, in order, for project 1021.
  void listNumbers(const std::vector<std::string>& phones) {
    auto next = std::make_shared<std::atomic<std::size_t>>(0);
    answer("/yh_qh/", [phones, next](const ScriptedRequest&) {
      return ScriptedReply::text("1|" + phones.at((*next)++ % phones.size()));
    });
    ASSERT_TRUE(take(QString::number(phones.size()),
                     [&] { return rowCount() == static_cast<int>(phones.size()); }));
  }
  // Polls of one number so far.
  std::size_t pollsOf(const std::string& phone) const {
    std::size_t polls = 0;
    for (const std::string& target : targetsStartingWith("/yh_qm/"))
      polls += target.ends_with("&phone=" + phone);
    return polls;
  }
  // Waits until every number of `phones` has been polled `more` times beyond now.
  bool pollAgain(const std::vector<std::string>& phones, std::size_t more = 1) {
    std::vector<std::size_t> before;
    for (const std::string& phone : phones)
      before.push_back(pollsOf(phone));
    return waitUntil([&] {
      for (std::size_t i = 0; i < phones.size(); ++i) {
        if (pollsOf(phones[i]) < before[i] + more) return false;
      }
      return true;
    });
  }
  // Lets a few whole passes go by.
  void letPassesRun() {
    waitUntil([] { return false; }, 300);
  }
  QString statusOf(int row) const { return cell(row, 4); }

  static constexpr const char* kGivenUp = "已停止获取原因：300秒内未取到短信";
};

// Each number has its own platform answer to the poll.
const std::vector<std::pair<std::string, std::string>> kPollAnswers = {
    {"13800000001", "1|13800000001|【某站】验证码123456，5分钟内有效"},
    {"13800000002", "0|13800000002|没有收到短信"},
    {"13800000003", "0|13800000003|号码已释放"},
    {"13800000004", "1|13800000004|有效期5分钟，验证码8899"},
    {"13800000005", "1|13800000005|验证码|1234"},
    {"13800000006", ""},
    {"13800000007", "0|没有收到短信"},
    {"13800000008", "1"},
    {"13800000009", "1|13800000009|您好，欢迎注册"},
};

TEST_F(ReceivePollingTest, EachReplyFormLandsInItsRowAndTheLimitGivesUpAfter300Seconds) {
  std::vector<std::string> phones;
  for (const auto& [phone, reply] : kPollAnswers)
    phones.push_back(phone);
  answer("/yh_qm/", [](const ScriptedRequest& request) {
    for (const auto& [phone, reply] : kPollAnswers) {
      if (request.target.ends_with("&phone=" + phone)) return ScriptedReply::text(utf8ToGbk(reply));
    }
    return ScriptedReply{.status = 404};
  });
  listNumbers(phones);
  startPollingWorkers();
  ASSERT_TRUE(pollAgain(phones));
  const std::vector<std::string> waiting{"13800000002", "13800000006", "13800000007"};
  ASSERT_TRUE(pollAgain(waiting, 2));  // the waiting rows are polled pass after pass
  // Rows still waiting show "读取中" while their poll is out; the rest have settled.
  const QStringList statuses{
      "短信已达到", "没有收到短信",   "号码已释放", "短信已达到", "短信已达到",
      "",           "0|没有收到短信", "1",          "短信已达到"};
  EXPECT_TRUE(waitUntil([&] { return column(4) == statuses; }))
      << testing::PrintToString(column(4));
  EXPECT_EQ(column(3), (QStringList{"123456", "", "", "5", "", "", "", "", ""}));
  EXPECT_EQ(cell(0, 5), "【某站】验证码123456，5分钟内有效");
  EXPECT_EQ(cell(4, 5), "验证码");  // cut at the SMS's own "|"
  for (const char* settled : {"13800000001", "13800000003", "13800000008"})
    EXPECT_EQ(pollsOf(settled), 1u) << settled;
  EXPECT_EQ(targetsStartingWith("/yh_qm/").front(),
            "/yh_qm/username=demo01&password=pw&id=1021&phone=13800000001");

  steppedClock().advanceSeconds(300);  // exactly 300 seconds: still polled
  ASSERT_TRUE(pollAgain(waiting, 2));
  EXPECT_TRUE(waitUntil([&] { return statusOf(1) == "没有收到短信"; }));

  steppedClock().advanceSeconds(1);
  const QStringList after{"短信已达到", kGivenUp, kGivenUp, "短信已达到", "短信已达到",
                          kGivenUp,     kGivenUp, kGivenUp, "短信已达到"};
  ASSERT_TRUE(waitUntil([&] { return column(4) == after; })) << testing::PrintToString(column(4));
  const std::size_t polls = targetsStartingWith("/yh_qm/").size();
  letPassesRun();
  EXPECT_EQ(targetsStartingWith("/yh_qm/").size(), polls);  // nothing is polled any more
}

TEST_F(ReceivePollingTest, WithoutAValidProjectNothingIsPolledOrTimedOut) {
  answer("/yh_qm/", "0|13800000002|没有收到短信");
  listNumbers({"13800000002"});
  startPollingWorkers();
  ASSERT_TRUE(pollAgain({"13800000002"}));
  for (int item : {0, 2}) {  // the placeholder, then the project with ID 1000
    projects()->setCurrentIndex(item);
    if (item == 2) {
      ASSERT_TRUE(pollAgain({"13800000002"}));
      EXPECT_TRUE(targetsStartingWith("/yh_qm/").back().find("&id=1000&") != std::string::npos);
      continue;
    }
    letPassesRun();
    const std::size_t polls = pollsOf("13800000002");
    steppedClock().advanceSeconds(400);
    letPassesRun();
    EXPECT_EQ(pollsOf("13800000002"), polls);
    EXPECT_EQ(statusOf(0), "没有收到短信");  // the limit waits too
    steppedClock().advanceSeconds(-400);
  }
  steppedClock().advanceSeconds(400);
  projects()->setCurrentIndex(1);
  EXPECT_TRUE(waitUntil([&] { return statusOf(0) == kGivenUp; }));
}

TEST_F(ReceivePollingTest, EveryNumberGetsItsProvinceOnce) {
  answer("/yh_qm/", "0|x|没有收到短信");
  answer("/cc/json/mobile_tel_segment.htm?tel=13800000001",
         "__GetZoneResult_ = {mts:'1380000',province:'广东',catName:'中国移动'}");
  answer("/cc/json/mobile_tel_segment.htm?tel=13800000002", "province:'',");
  answer("/cc/json/mobile_tel_segment.htm?tel=13800000003", "<html>busy</html>");
  listNumbers({"13800000001", "13800000002", "13800000003"});
  startPollingWorkers();
  ASSERT_TRUE(waitUntil([&] { return !cell(2, 2).isEmpty(); }));
  EXPECT_EQ(column(2), (QStringList{"广东", "未知", "未知"}));
  letPassesRun();
  EXPECT_EQ(targetsStartingWith("/cc/json/").size(), 3u);
  EXPECT_EQ(targetsStartingWith("/cc/json/").front(),
            "/cc/json/mobile_tel_segment.htm?tel=13800000001");
}

TEST_F(ReceivePollingTest, AnUnreachableSegmentServiceGivesUnknown) {
  context.config.segmentUrl = "http://127.0.0.1:1";  // refused at once
  openPage();
  answer("/yh_qm/", "0|x|没有收到短信");
  listNumbers({"13800000001"});
  startPollingWorkers();
  EXPECT_TRUE(waitUntil([&] { return cell(0, 2) == "未知"; }));
}

std::string lastDigits(const std::string& phone, std::size_t count) {
  return phone.substr(phone.size() - count);
}

std::string phoneOf(const ScriptedRequest& request, const std::string& key) {
  return request.target.substr(request.target.find(key) + key.size());
}

// Rows are taken, reused, released one by one and all together while both workers write into
// them; the platform's code and the service's province derive from the number asked about, so a
// value that lands on another row's number shows.
TEST_F(ReceivePollingTest, UpdatesReachTheirOwnRowsWhileRowsComeAndGo) {
  answer("/yh_qm/", [](const ScriptedRequest& request) {
    const std::string phone = phoneOf(request, "&phone=");
    return ScriptedReply{.body = "1|" + phone + "|" + "code " + lastDigits(phone, 6),
                         .delay = std::chrono::milliseconds(15)};
  });
  answer("/cc/json/", [](const ScriptedRequest& request) {
    return ScriptedReply{.body = "province:'P" + lastDigits(phoneOf(request, "tel="), 4) + "',",
                         .delay = std::chrono::milliseconds(10)};
  });
  answer("/yh_qh/", numberSequence());
  answer("/yh_sf/", "1");
  answer("/yh_lh/", "1");
  startPollingWorkers();
  std::set<QString> reused;
  const auto checkRows = [&] {
    for (int row = 0; row < rowCount(); ++row) {
      const std::string phone = cell(row, 1).toStdString();
      if (reused.count(cell(row, 1)) > 0) continue;  // keeps the earlier number's values
      if (!cell(row, 3).isEmpty()) {
        EXPECT_EQ(cell(row, 3).toStdString(), lastDigits(phone, 6));
      }
      if (!cell(row, 2).isEmpty()) {
        EXPECT_EQ(cell(row, 2).toStdString(), "P" + lastDigits(phone, 4));
      }
    }
  };
  for (int round = 0; round < 6; ++round) {
    ASSERT_TRUE(take("5", [&] { return rowCount() == 5; })) << round;
    waitUntil([] { return false; }, 10 * round);  // let the workers get to different rows
    selectRow(2);
    page->reuseNumber();
    reused.insert(cell(2, 1));
    checkRows();
    selectRow(0);
    dialogs.queueAnswer(true);
    page->releaseSelectedNumber();
    checkRows();
    dialogs.queueAnswer(true);
    if (round % 2 == 0) page->blacklistWholeList();
    waitUntil([] { return false; }, 20);
    checkRows();
  }
  // The last rows settle with their own values.
  ASSERT_TRUE(waitUntil([&] {
    for (int row = 0; row < rowCount(); ++row) {
      if (cell(row, 3).isEmpty() || cell(row, 2).isEmpty()) return false;
    }
    return true;
  }));
  checkRows();
}

}  // namespace
}  // namespace verdomo::test
