// The withdrawal and recharge windows against a scripted platform.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include "funds/recharge_window.h"
#include "funds/withdraw_window.h"
#include "session/app_context.h"
#include "support/gbk_test_text.h"
#include "support/modal_windows.h"
#include "support/qt_printing.h"
#include "support/recording_dialogs.h"
#include "support/scripted_platform.h"
#include "ui/worker_threads.h"

namespace verdomo::test {
namespace {

using Targets = std::vector<std::string>;

std::string pngOf(int width, int height, QImage::Format format = QImage::Format_RGB32) {
  QImage image(width, height, format);
  image.fill(Qt::white);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes.toStdString();
}

class FundsWindowsTest : public testing::Test, public ScriptedPlatform {
 protected:
  FundsWindowsTest() {
    session.userName = "demo01";
    session.password = "pw";
    session.addresses = addresses();
    answer("/cx/", "王五|pay@verdomo.example");
  }
  template <typename T>
  static T* control(const QWidget& window, const char* name) {
    return window.findChild<T*>(QString::fromUtf8(name));
  }

  SessionState session;
  RecordingDialogs dialogs;
  SystemClock clock;
  AppContext context{{}, {}, session, dialogs, clock, Pacing{0.01}};
};

TEST_F(FundsWindowsTest, AWithdrawalFromTenYuanClosesTheWindowOnlyWhenTheRequestIsTaken) {
  int reloads = 0;
  std::size_t shownAtReload = 0;
  WithdrawWindow window(context, nullptr, [&] {
    ++reloads;
    shownAtReload = dialogs.shown().size();
  });
  window.show();
  auto* amount = control<QLineEdit>(window, "编辑框4");
  for (const char* refused : {"9", ""}) {
    amount->setText(refused);
    control<QPushButton>(window, "按钮5")->click();
  }
  EXPECT_EQ(dialogs.texts(), (std::vector<QString>{"提现金额最低10元起", "提现金额最低10元起"}));
  EXPECT_TRUE(targetsStartingWith("/tj/").empty());

  answer("/tj/", "每次提现需要间隔10分钟");
  amount->setText("10");
  control<QPushButton>(window, "按钮5")->click();
  EXPECT_EQ(targetsStartingWith("/tj/"), Targets{"/tj/username=demo01&password=pw&j=10"});
  EXPECT_EQ(dialogs.texts().back(), "每次提现需要间隔10分钟");
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(amount->text(), "10");
  EXPECT_EQ(reloads, 0);

  answer("/tj/", "1|提现申请处理中");
  control<QPushButton>(window, "按钮5")->click();
  EXPECT_EQ(reloads, 1);
  EXPECT_EQ(shownAtReload, dialogs.shown().size() - 1);  // the records first, then the reply
  EXPECT_EQ(dialogs.texts().back(), "1|提现申请处理中");
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(window.result(), QDialog::Accepted);
}

TEST_F(FundsWindowsTest, ThePayeeIsAskedOnTheManualTabAndItsAccountCopied) {
  RechargeWindow window(context);
  window.show();
  ASSERT_TRUE(waitUntil([&] { return targetsStartingWith("/cx/").size() == 1; }));
  auto* payee = control<QLabel>(window, "透明标签55");
  ASSERT_TRUE(waitUntil([&] { return payee->text() != "第一步："; }));
  EXPECT_EQ(targetsStartingWith("/cx/"), Targets{"/cx/username=demo01&password=pw"});
  EXPECT_EQ(payee->text(), "转账支付宝：pay@verdomo.example （王五）");
  EXPECT_EQ(payee->textFormat(), Qt::PlainText);
  control<QPushButton>(window, "按钮1")->click();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "pay@verdomo.example");

  auto* tabs = control<QTabWidget>(window, "高级选择夹1");
  tabs->setCurrentIndex(1);  // the QR tab asks nothing
  EXPECT_EQ(targetsStartingWith("/cx/").size(), 1u);
  answer("/cx/", "暂停充值");
  tabs->setCurrentIndex(0);  // back on the manual tab: asked again; no separator, shown whole
  EXPECT_EQ(targetsStartingWith("/cx/").size(), 2u);
  EXPECT_EQ(dialogs.texts(), std::vector<QString>{"暂停充值"});
  EXPECT_EQ(payee->text(), "转账支付宝：pay@verdomo.example （王五）");
  EXPECT_EQ(gbkToUtf8(session.payeeName), "王五");
}

// The payee lives as long as the client: a later window whose query fails still copies it.
TEST_F(FundsWindowsTest, ThePayeeOfAnEarlierWindowIsKept) {
  {
    RechargeWindow first(context);
    first.show();
    ASSERT_TRUE(waitUntil([&] { return !session.payeeAccount.empty(); }));
  }
  answer("/cx/", "");
  RechargeWindow second(context);
  second.show();
  ASSERT_TRUE(waitUntil([&] { return !dialogs.shown().empty(); }));
  EXPECT_EQ(dialogs.texts(), std::vector<QString>{""});  // the empty reply of the failed query
  EXPECT_EQ(control<QLabel>(second, "透明标签55")->text(), "第一步：");
  QGuiApplication::clipboard()->setText("before");
  control<QPushButton>(second, "按钮1")->click();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "pay@verdomo.example");
}

TEST_F(FundsWindowsTest, AnEmptyPayeeAccountCopiesNothing) {
  answer("/cx/", "");
  RechargeWindow window(context);
  window.show();
  ASSERT_TRUE(waitUntil([&] { return !dialogs.shown().empty(); }));  // the empty reply
  QGuiApplication::clipboard()->setText("before");
  control<QPushButton>(window, "按钮1")->click();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");
}

TEST_F(FundsWindowsTest, ATransactionNumberHasThirtyTwoBytes) {
  answer("/cx/", "王五|pay@verdomo.example");
  RechargeWindow window(context);
  window.show();
  ASSERT_TRUE(waitUntil([&] { return targetsStartingWith("/cx/").size() == 1; }));
  auto* number = control<QLineEdit>(window, "编辑框_支付宝订单");
  const std::string digits32 = "20180101200030011100165218110001";
  for (const std::string& typed : {std::string(), digits32.substr(1), digits32 + "1"}) {
    number->setText(QString::fromStdString(typed));
    control<QPushButton>(window, "按钮_支付宝充值")->click();
  }
  EXPECT_EQ(dialogs.texts(),
            (std::vector<QString>{"请输入支付宝订单交易号", "支付宝订单交易号长度不符合",
                                  "支付宝订单交易号长度不符合"}));
  EXPECT_TRUE(targetsStartingWith("/cz_tj/").empty());

  answer("/cz_tj/", "充值成功50.00元");
  number->setText(QString::fromStdString(digits32));
  control<QPushButton>(window, "按钮_支付宝充值")->click();
  EXPECT_EQ(targetsStartingWith("/cz_tj/"),
            Targets{"/cz_tj/username=demo01&password=pw&d=" + digits32});
  EXPECT_EQ(dialogs.texts().back(), "充值成功50.00元");
  EXPECT_EQ(number->text(), QString::fromStdString(digits32));
}

class QrRecharge : public FundsWindowsTest {
 protected:
  QrRecharge() {
    window.show();
    waitUntil([&] { return targetsStartingWith("/cx/").size() == 1; });
    control<QTabWidget>(window, "高级选择夹1")->setCurrentIndex(1);
  }
  // Clicks 充值 with this amount and waits until the QR request is over.
  void requestQr(const char* amount) {
    control<QLineEdit>(window, "编辑框_二维码充值金额")->setText(amount);
    control<QPushButton>(window, "按钮_二维码充值")->click();
    ASSERT_TRUE(waitForWorkerThreads(std::chrono::seconds(5)));
    QCoreApplication::processEvents();
  }
  bool showsPicture() const {
    const QPixmap picture = control<QLabel>(window, "图片框2")->pixmap();
    return !picture.isNull();
  }

  RechargeWindow window{context};
};

TEST_F(QrRecharge, APictureIsShownARefusalSaidAndAnythingElseShowsNothing) {
  requestQr("9.99");
  EXPECT_EQ(dialogs.texts().back(), "充值金额不能少于10");
  EXPECT_TRUE(targetsStartingWith("/sc/").empty());

  answer("/sc/", [](const ScriptedRequest&) { return ScriptedReply{.body = pngOf(200, 200)}; });
  requestQr("10.5");
  EXPECT_EQ(targetsStartingWith("/sc/"), Targets{"/sc/username=demo01&password=pw&j=10.5"});
  EXPECT_TRUE(showsPicture());
  EXPECT_TRUE(control<QPushButton>(window, "按钮_二维码充值")->isEnabled());
  EXPECT_FALSE(control<QLabel>(window, "透明标签2")->isVisible());

  answer("/sc/", [](const ScriptedRequest&) {
    return ScriptedReply{.body = "\xFF\x7B\xE7" + utf8ToGbk("充值通道维护中")};
  });
  requestQr("10");
  EXPECT_EQ(dialogs.texts().back(), "充值通道维护中");
  EXPECT_TRUE(showsPicture());  // the earlier picture stays
  EXPECT_TRUE(control<QPushButton>(window, "按钮_二维码充值")->isEnabled());
  EXPECT_FALSE(control<QLabel>(window, "透明标签2")->isVisible());

  for (const std::string& body :
       {std::string("<html>busy</html>"), std::string(), pngOf(5000, 5000, QImage::Format_Mono)}) {
    answer("/sc/", [body](const ScriptedRequest&) { return ScriptedReply{.body = body}; });
    requestQr("10");
    EXPECT_FALSE(showsPicture()) << body.size();
  }
}

TEST_F(QrRecharge, OneRequestAtATime) {
  answer("/sc/", [](const ScriptedRequest&) {
    return ScriptedReply{.body = pngOf(50, 50), .delay = std::chrono::milliseconds(100)};
  });
  control<QLineEdit>(window, "编辑框_二维码充值金额")->setText("20");
  auto* button = control<QPushButton>(window, "按钮_二维码充值");
  button->click();
  EXPECT_FALSE(button->isEnabled());
  EXPECT_TRUE(control<QLabel>(window, "透明标签2")->isVisible());
  button->click();  // a disabled button does nothing
  ASSERT_TRUE(waitForWorkerThreads(std::chrono::seconds(5)));
  QCoreApplication::processEvents();
  EXPECT_EQ(targetsStartingWith("/sc/").size(), 1u);
  EXPECT_TRUE(button->isEnabled());
}

TEST_F(FundsWindowsTest, AWindowClosedWhileItsQrRequestRunsIsNotWrittenTo) {
  // A refusal would be said in a message box: none may come once the window is gone.
  answer("/sc/", [](const ScriptedRequest&) {
    return ScriptedReply{.body = "\xFF\x7B\xE7" + utf8ToGbk("充值通道维护中"),
                         .delay = std::chrono::milliseconds(200)};
  });
  auto window = std::make_unique<RechargeWindow>(context);
  window->show();
  ASSERT_TRUE(waitUntil([&] { return targetsStartingWith("/cx/").size() == 1; }));
  control<QTabWidget>(*window, "高级选择夹1")->setCurrentIndex(1);
  control<QLineEdit>(*window, "编辑框_二维码充值金额")->setText("20");
  control<QPushButton>(*window, "按钮_二维码充值")->click();
  ASSERT_TRUE(waitUntil([&] { return targetsStartingWith("/sc/").size() == 1; }));
  window.reset();
  ASSERT_TRUE(waitForWorkerThreads(std::chrono::seconds(5)));
  QCoreApplication::processEvents();  // the answer goes nowhere
  EXPECT_TRUE(dialogs.shown().empty());
}

}  // namespace
}  // namespace verdomo::test
