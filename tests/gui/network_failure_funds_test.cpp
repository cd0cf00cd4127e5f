// The funds windows, the security windows and the record pages when the platform cannot be
// reached: each action says so in words, and boxes, pictures and the session stay as they were.
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <functional>
#include <memory>

#include "funds/change_password_window.h"
#include "funds/profile_window.h"
#include "funds/recharge_records_page.h"
#include "funds/recharge_window.h"
#include "funds/referral_records_page.h"
#include "funds/security_question_window.h"
#include "funds/sms_records_page.h"
#include "funds/withdraw_window.h"
#include "funds/withdrawal_records_page.h"
#include "session/app_context.h"
#include "support/modal_windows.h"
#include "support/platform_outage.h"
#include "support/qt_printing.h"
#include "support/recording_dialogs.h"
#include "support/scripted_platform.h"
#include "ui/worker_threads.h"

namespace verdomo::test {
namespace {

template <typename T>
T* control(const QWidget& window, const char* name) {
  return window.findChild<T*>(QString::fromUtf8(name));
}

QString text(const QWidget& window, const char* box) {
  return control<QLineEdit>(window, box)->text();
}

// A signed-in session against a scripted platform that the test can lose at any moment.
class FundsOutage : public testing::TestWithParam<Outage>, public ScriptedPlatform {
 protected:
  FundsOutage() {
    session.userName = "demo01";
    session.password = "pw";
    session.addresses = addresses();
    session.securityQuestion = utf8ToGbk("你喜欢的颜色？");
    session.contactQq = "10086";
    session.realName = utf8ToGbk("王五");
    session.alipayAccount = "ww@pay";
    answer("/cx/", "王五|pay@verdomo.example");
  }
  // From here on every request meets the outage.
  void loseThePlatform() {
    session.addresses = outage.addresses();
    context.pacing = PlatformOutage::pacing();
  }
  std::vector<QString> sentenceOnly() const { return {outage.sentence()}; }

  PlatformOutage outage{GetParam()};
  SessionState session;
  RecordingDialogs dialogs;
  SystemClock clock;
  AppContext context{{}, {}, session, dialogs, clock, Pacing{0.01}};
};

TEST_P(FundsOutage, AWithdrawalSaysSoAndKeepsTheWindowOpen) {
  int reloads = 0;
  WithdrawWindow window(context, nullptr, [&] { ++reloads; });
  window.show();
  loseThePlatform();
  control<QLineEdit>(window, "编辑框4")->setText("10");
  control<QPushButton>(window, "按钮5")->click();
  EXPECT_EQ(dialogs.texts(), sentenceOnly());
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(text(window, "编辑框4"), "10");
  EXPECT_EQ(reloads, 0);
}

// The payee of an earlier window is kept, and the line that shows it is left alone.
TEST_P(FundsOutage, ThePayeeQuerySaysSoAndKeepsTheKnownPayee) {
  session.payeeName = utf8ToGbk("王五");
  session.payeeAccount = "pay@verdomo.example";
  loseThePlatform();
  RechargeWindow window(context);
  window.show();
  ASSERT_TRUE(waitUntil([&] { return !dialogs.shown().empty(); }, 10000));
  EXPECT_EQ(dialogs.texts(), sentenceOnly());
  EXPECT_EQ(control<QLabel>(window, "透明标签55")->text(), "第一步：");
  EXPECT_EQ(gbkToUtf8(session.payeeName), "王五");
  EXPECT_EQ(session.payeeAccount, "pay@verdomo.example");
}

class RechargeOutage : public FundsOutage {
 protected:
  RechargeOutage() {
    window.show();
    waitUntil([&] { return targetsStartingWith("/cx/").size() == 1; });
    QCoreApplication::processEvents();
  }
  bool showsPicture() const { return !control<QLabel>(window, "图片框2")->pixmap().isNull(); }

  RechargeWindow window{context};
};

TEST_P(RechargeOutage, ATransactionNumberSaysSoAndStaysInItsBox) {
  const QString number = "20180101200030011100165218110001";
  ASSERT_TRUE(dialogs.shown().empty());
  loseThePlatform();
  control<QLineEdit>(window, "编辑框_支付宝订单")->setText(number);
  control<QPushButton>(window, "按钮_支付宝充值")->click();
  EXPECT_EQ(dialogs.texts(), sentenceOnly());
  EXPECT_EQ(text(window, "编辑框_支付宝订单"), number);
  EXPECT_TRUE(window.isVisible());
}

TEST_P(RechargeOutage, AQrRequestSaysSoAndKeepsThePictureShownBefore) {
  QImage code(60, 60, QImage::Format_RGB32);
  code.fill(Qt::black);
  control<QLabel>(window, "图片框2")->setPixmap(QPixmap::fromImage(code));
  control<QTabWidget>(window, "高级选择夹1")->setCurrentIndex(1);
  loseThePlatform();
  control<QLineEdit>(window, "编辑框_二维码充值金额")->setText("20");
  control<QPushButton>(window, "按钮_二维码充值")->click();
  ASSERT_TRUE(waitForWorkerThreads(std::chrono::seconds(10)));
  QCoreApplication::processEvents();
  EXPECT_EQ(dialogs.texts(), sentenceOnly());
  EXPECT_TRUE(showsPicture());
  EXPECT_EQ(text(window, "编辑框_二维码充值金额"), "20");
  EXPECT_TRUE(control<QPushButton>(window, "按钮_二维码充值")->isEnabled());
  EXPECT_FALSE(control<QLabel>(window, "透明标签2")->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Outages, FundsOutage,
                         testing::Values(Outage::ClosedPort, Outage::SilentServer), outageName);
INSTANTIATE_TEST_SUITE_P(Outages, RechargeOutage,
                         testing::Values(Outage::ClosedPort, Outage::SilentServer), outageName);

// The three security windows, each filled so that its checks pass: a save that got no reply
// says so, leaves every box as typed and changes nothing in the session.
TEST_P(FundsOutage, TheSecurityWindowsSaySoAndSaveNothing) {
  struct SecurityWindow {
    const char* name;
    std::function<std::unique_ptr<QDialog>(AppContext&)> open;
    std::vector<std::pair<const char*, const char*>> boxes;
    const char* save;
  };
  const SecurityWindow windows[] = {
      {"password",
       [](AppContext& c) { return std::make_unique<ChangePasswordWindow>(c); },
       {{"编辑框_修改密码_安全答案", "蓝色"},
        {"编辑框_修改密码_新密码", "abcdef"},
        {"编辑框_修改密码_确认码", "abcdef"}},
       "按钮_修改密码_保存"},
      {"profile",
       [](AppContext& c) { return std::make_unique<ProfileWindow>(c); },
       {{"编辑框_修改个人资_安全答案", "蓝色"},
        {"编辑框_修改个人资_联系QQ", "123456"},
        {"编辑框_修改个人资_真实姓名", "赵六"},
        {"编辑框_修改个人资_支付宝", "zl@pay"}},
       "按钮_修改个人资_保存"},
      {"question",
       [](AppContext& c) { return std::make_unique<SecurityQuestionWindow>(c); },
       {{"编辑框_修改安全信息_旧答案", "蓝色"}, {"编辑框_修改安全信息_新答案", "宇航员"}},
       "按钮_修改安全信息_保存"},
  };
  loseThePlatform();
  const SessionState before = session;
  for (const SecurityWindow& each : windows) {
    dialogs.clear();
    const std::unique_ptr<QDialog> window = each.open(context);
    window->show();
    if (auto* questions = control<QComboBox>(*window, "组合框_修改安全信息_新问题"))
      questions->setCurrentIndex(3);
    for (const auto& [box, typed] : each.boxes)
      control<QLineEdit>(*window, box)->setText(QString::fromUtf8(typed));
    control<QPushButton>(*window, each.save)->click();
    EXPECT_EQ(dialogs.texts(), sentenceOnly()) << each.name;
    for (const auto& [box, typed] : each.boxes)
      EXPECT_EQ(text(*window, box), QString::fromUtf8(typed)) << each.name << " " << box;
    EXPECT_TRUE(window->isVisible()) << each.name;
    EXPECT_EQ(session.password, before.password) << each.name;
    EXPECT_EQ(session.securityQuestion, before.securityQuestion) << each.name;
    EXPECT_EQ(session.contactQq, before.contactQq) << each.name;
    EXPECT_EQ(session.realName, before.realName) << each.name;
    EXPECT_EQ(session.alipayAccount, before.alipayAccount) << each.name;
  }
  EXPECT_EQ(outage.requestCount(), GetParam() == Outage::SilentServer ? 3u : 0u);
}

class RecordsOutage : public FundsOutage {
 protected:
  RecordsOutage() {
    tabs.addTab(sms, "短信明细");
    tabs.addTab(withdrawals, "提现记录");
    tabs.addTab(referrals, "推荐人明细");
    tabs.addTab(recharges, "充值记录");
    tabs.show();
  }
  static void click(const QWidget* page, const char* name) {
    if (auto* tool = control<QToolButton>(*page, name)) return tool->click();
    control<QPushButton>(*page, name)->click();
  }

  QTabWidget tabs;
  SmsRecordsPage* sms = new SmsRecordsPage(context);
  WithdrawalRecordsPage* withdrawals = new WithdrawalRecordsPage(context);
  ReferralRecordsPage* referrals = new ReferralRecordsPage(context);
  RechargeRecordsPage* recharges = new RechargeRecordsPage(context);
};

// Every load empties its list before the request, as it always does; one that got no reply says
// why the list stayed empty, and a search that got none leaves the search mode off.
TEST_P(RecordsOutage, EveryLoadSaysItGotNoReply) {
  struct Load {
    const char* name;
    const QWidget* page;
    const char* list;
    std::function<void()> run;
  };
  const Load loads[] = {
      {"sms refresh", sms, "超级列表框_短信明细", [&] { click(sms, "超级按钮_短信明细_刷新"); }},
      {"sms search", sms, "超级列表框_短信明细",
       [&] {
         control<QLineEdit>(*sms, "编辑框_短信明细_搜索")->setText("1021");
         click(sms, "按钮_短信明细_搜索");
       }},
      {"referral refresh", referrals, "超级列表框_推荐人明细",
       [&] { click(referrals, "超级按钮_推荐人明细_刷新"); }},
      {"referral search", referrals, "超级列表框_推荐人明细",
       [&] {
         control<QLineEdit>(*referrals, "编辑框_推荐人明细_搜索")->setText("138");
         click(referrals, "按钮_推荐人明细_搜索");
       }},
      {"withdrawals", withdrawals, "超级列表框_提现明细",
       [&] { withdrawals->refreshWithdrawalRecords(); }},
      {"recharges", recharges, "超级列表框_充值记录", [&] { recharges->refreshRechargeRecords(); }},
  };
  loseThePlatform();
  for (const Load& load : loads) {
    dialogs.clear();
    load.run();
    EXPECT_EQ(dialogs.texts(), sentenceOnly()) << load.name;
    EXPECT_EQ(control<QTreeWidget>(*load.page, load.list)->topLevelItemCount(), 0) << load.name;
    EXPECT_TRUE(load.page->window()->isEnabled()) << load.name;
  }
  EXPECT_FALSE(session.recordSearchMode);
  EXPECT_EQ(control<QLabel>(*sms, "透明标签_短信明细_页数")->text(), "0/0");
  EXPECT_EQ(control<QLineEdit>(*sms, "编辑框_短信明细_搜索")->text(), "1021");
}

INSTANTIATE_TEST_SUITE_P(Outages, RecordsOutage,
                         testing::Values(Outage::ClosedPort, Outage::SilentServer), outageName);

}  // namespace
}  // namespace verdomo::test
