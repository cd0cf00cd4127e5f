// The send-result worker on the 发短信 page against a scripted platform: results reach the take
// they were asked for, and no other.
#include <QTimer>
#include <atomic>
#include <thread>

#include "send_fixture.h"
#include "support/case_name.h"

namespace verdomo::test {
namespace {

using SendPollingTest = SendFixture;

TEST_F(SendPollingTest, TheResultOfATakenNumberArrivesInItsFields) {
  std::atomic<int> polls = 0;
  answer("/yh_qm/", [&](const ScriptedRequest&) {
    // An SMS on the number first, then the result of the send.
    return ScriptedReply::text(utf8ToGbk(++polls == 1 ? "1|13800138000|【甲站】验证码 4711"
                                                      : "1|13800138000|短信发送成功"));
  });
  page->startResultPollWorker();
  takeNumber();
  ASSERT_TRUE(waitUntil([&] { return text("编辑框_发短信_取码状态") == "成功"; }));
  EXPECT_EQ(text("透明标签40"), "短信发送成功");
  EXPECT_EQ(text("编辑框_发短信_短信内容"), "【甲站】验证码 4711");
  EXPECT_EQ(targetsStartingWith("/yh_qm/")[0],
            "/yh_qm/username=demo01&password=pw&id=2001&phone=13800138000");

  // "成功" is final: nothing is asked any more.
  const std::size_t asked = targetsStartingWith("/yh_qm/").size();
  waitUntil([] { return false; }, 300);
  EXPECT_EQ(targetsStartingWith("/yh_qm/").size(), asked);
}

// The number is taken again, the platform handing out the same number, while the poll of the
// first take is on its way: its answer belongs to the first take and must not land on the second.
struct RetakeCase {
  const char* name;
  bool releaseFirst;       // release, then a plain take; else a take of the specific number
  const char* staleReply;  // what the platform says of the first take
};

void PrintTo(const RetakeCase& c, std::ostream* out) {
  *out << c.name;
}

class StaleAnswers : public SendFixture, public testing::WithParamInterface<RetakeCase> {};

TEST_P(StaleAnswers, DoNotLandOnALaterTakeOfTheSameNumber) {
  std::atomic<int> polls = 0;
  std::atomic<bool> answerFirstPoll = false;
  answer("/yh_qm/", [&](const ScriptedRequest&) {
    if (++polls == 1) {
      // Held until the number has been taken again.
      for (int waited = 0; !answerFirstPoll && waited < 2000; ++waited)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
      return ScriptedReply::text(utf8ToGbk(GetParam().staleReply));
    }
    return ScriptedReply::text(utf8ToGbk("0|13800138000|没有收到短信"));
  });
  QStringList statuses;
  QObject::connect(edit("编辑框_发短信_取码状态"), &QLineEdit::textChanged,
                   [&](const QString& status) { statuses << status; });
  page->startResultPollWorker();
  takeNumber();
  ASSERT_TRUE(waitUntil([&] { return polls == 1; }));
  if (GetParam().releaseFirst) {
    answer("/yh_sf/", "释放成功");
    dialogs.queueAnswer(true);
    click("按钮_发短信_全部释放");
    pickProject(1);
    takeNumber();
  } else {
    edit("编辑框_发短信_指定")->setText("13800138000");
    click("按钮_发短信_指定");
  }
  ASSERT_EQ(text("编辑框_发短信_获取号码"), "13800138000");
  answerFirstPoll = true;
  ASSERT_TRUE(waitUntil([&] { return polls >= 2 && !text("编辑框_发短信_取码状态").isEmpty(); }));
  EXPECT_EQ(text("编辑框_发短信_取码状态"), "没有收到短信");
  EXPECT_FALSE(statuses.contains("成功"));
  EXPECT_TRUE(text("透明标签40").startsWith("没有收到短信 [")) << text("透明标签40").toStdString();
  EXPECT_EQ(text("编辑框_发短信_短信内容"), "");
}

INSTANTIATE_TEST_SUITE_P(
    Retakes, StaleAnswers,
    testing::Values(RetakeCase{"ResultAfterReleaseAndTake", true, "1|13800138000|短信发送成功"},
                    RetakeCase{"SmsAfterSpecificTake", false, "1|13800138000|【甲站】验证码 4711"}),
    caseName<RetakeCase>);

// Texts from outside are shown as they came, never as markup.
TEST_F(SendPollingTest, PlatformTextsAreShownAsTheyCame) {
  answer("/yh_qm/", "<html><body>502 Bad Gateway</body></html>");
  answer("/yh_qh/", "1|13800138000");
  answer("/cc/", "{province:'<b>广东</b>',}");
  page->startResultPollWorker();
  click("按钮_发短信_获取号码");
  ASSERT_TRUE(waitUntil([&] { return !text("透明标签40").isEmpty(); }));
  for (const char* name : {"透明标签40", "透明标签_发短信_号码所属"})
    EXPECT_EQ(control<QLabel>(name)->textFormat(), Qt::PlainText) << name;
  EXPECT_EQ(text("透明标签40"), "<html><body>502 Bad Gateway</body></html>");
  EXPECT_EQ(text("透明标签_发短信_号码所属"), "号码归属地: <b>广东</b>");
}

TEST_F(SendPollingTest, TheWorkerEndsWithItsPage) {
  answer("/yh_qm/", "0|13800138000|没有收到短信");
  page->startResultPollWorker();
  takeNumber();
  ASSERT_TRUE(waitUntil([&] { return !targetsStartingWith("/yh_qm/").empty(); }));
  page.reset();
  const std::size_t asked = targetsStartingWith("/yh_qm/").size();
  waitUntil([] { return false; }, 300);
  EXPECT_LE(targetsStartingWith("/yh_qm/").size(), asked + 1);  // at most the one in flight
}

}  // namespace
}  // namespace verdomo::test
