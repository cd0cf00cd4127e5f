#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTimer>

#include "app/notice_window.h"
#include "app/remembered_sign_in.h"
#include "gui/login_fixture.h"

namespace verdomo::test {
namespace {

class SignIn : public LoginFixture {
 protected:
  void SetUp() override { ASSERT_EQ(start(), StartUpOutcome::ShowLogin); }

  LoginPrefill remembered() {
    SleepingPause pause(Pacing{0.01});
    TableStore store(pause);
    setUpCredentialStore(store, context.config.storeDir);
    return readRememberedSignIn(store);
  }
};

TEST_F(SignIn, AcceptedFillsTheSessionRemembersAndShowsTheNotice) {
  signInReply = acceptedSignIn();
  bool signedIn = false;
  QObject::connect(window.get(), &LoginWindow::signedIn, [&] { signedIn = true; });
  QString notice;
  const auto watch = whenModalShows<NoticeWindow>([&](NoticeWindow& shown) {
    notice = shown.findChild<QPlainTextEdit*>("编辑框1")->toPlainText();
    shown.close();
  });
  typeAndSignIn("de mo01", "demo 2026");

  EXPECT_EQ(window->userNameBox()->text(), "demo01");  // spaces go, and are written back
  EXPECT_EQ(targetsStartingWith("/sign/").back(), "/sign/username=demo01&password=demo2026");
  EXPECT_EQ(notice, "欢迎使用Verdomo");
  EXPECT_TRUE(signedIn);
  EXPECT_FALSE(window->isVisible());
  EXPECT_FALSE(window->sweepTimer()->isActive());
  EXPECT_EQ(session.userName, "demo01");
  EXPECT_EQ(session.password, "demo2026");
  EXPECT_EQ(session.balance, "88.50");
  EXPECT_EQ(gbkToUtf8(session.realName), "王五");
  EXPECT_EQ(session.supportQq, "800900");
  const LoginPrefill saved = remembered();
  EXPECT_EQ(saved.action, LoginPrefill::Action::Fill);
  EXPECT_EQ(saved.userName, "demo01");
  EXPECT_EQ(saved.password, "demo2026");
  EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(SignIn, AMerchantIsRefusedAndNothingIsRemembered) {
  signInReply = acceptedSignIn("商户");
  bool noticeShown = false;
  const auto watch = whenModalShows<NoticeWindow>([&](NoticeWindow& notice) {
    noticeShown = true;
    notice.close();
  });
  typeAndSignIn("shop01", "shop2026");
  EXPECT_EQ(dialogs.texts(), std::vector<QString>{"商户帐号禁止登录Verdomo客户端"});
  EXPECT_EQ(session.userName, "shop01");  // the account fields stay overwritten
  EXPECT_EQ(session.balance, "88.50");
  EXPECT_EQ(remembered().action, LoginPrefill::Action::Clear);
  EXPECT_TRUE(window->sweepTimer()->isActive());
  QCoreApplication::processEvents();
  EXPECT_FALSE(noticeShown);
}

TEST_F(SignIn, AShortReplyIsShownAsItIs) {
  signInReply = "1|2|3|4|5|6|7|8|9|10|"_gbk;  // the empty eleventh field does not count
  typeAndSignIn("demo01", "demo2026");
  EXPECT_EQ(dialogs.texts(), std::vector<QString>{"1|2|3|4|5|6|7|8|9|10|"});
  EXPECT_EQ(session.userName, "");
  EXPECT_EQ(remembered().action, LoginPrefill::Action::Clear);
}

TEST_F(SignIn, BadInputIsRefusedBeforeAnyRequest) {
  const std::size_t requestsBefore = targetsStartingWith("/sign/").size();
  typeAndSignIn("abcdefghijklmnopq", "12345678901234567");
  typeAndSignIn("demo_01", "demo2026");
  typeAndSignIn("用户名", "demo2026");
  EXPECT_EQ(dialogs.texts(), (std::vector<QString>{"密码长度大于16位。", "用户名不支持中文或字符",
                                                   "用户名不支持中文或字符"}));
  EXPECT_EQ(dialogs.shown()[0].caption, "信息：");
  EXPECT_EQ(dialogs.shown()[0].icon, MessageIcon::Question);
  EXPECT_EQ(targetsStartingWith("/sign/").size(), requestsBefore);
}

TEST_F(SignIn, EscapeLeavesTheWindowOpenAndOnlyTheCloseBoxEndsIt) {
  window->show();
  QApplication::setActiveWindow(window.get());
  window->userNameBox()->setFocus();
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(window->userNameBox(), &escape);
  QCoreApplication::processEvents();
  EXPECT_TRUE(window->isVisible());

  window->close();
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(window->result(), QDialog::Rejected);
}

TEST_F(SignIn, TheRecoveryHintNamesTheSupportQq) {
  signInReply = acceptedSignIn();
  start();  // learns the support QQ
  window->findChild<QPushButton*>("按钮_找回密码")->click();
  ASSERT_EQ(dialogs.shown().size(), 1u);
  EXPECT_EQ(dialogs.shown()[0].text, "为保障用户资金安全!请联系客服QQ: 800900");
  EXPECT_EQ(dialogs.shown()[0].caption, "安全提示");
  EXPECT_EQ(dialogs.shown()[0].icon, MessageIcon::None);
}

}  // namespace
}  // namespace verdomo::test
