// Sign-in, the recovery hint and registration when the platform cannot be reached: the window
// says so in words, and nothing else changes.
#include <QComboBox>
#include <QPushButton>

#include "app/register_window.h"
#include "app/remembered_sign_in.h"
#include "gui/login_fixture.h"
#include "support/platform_outage.h"

namespace verdomo::test {
namespace {

void submitValidForm(RegisterWindow& form) {
  const std::pair<const char*, const char*> boxes[] = {
      {"编辑框_用户名", "newuser1"}, {"编辑框_密码", "secret12"},  {"编辑框_确认密码", "secret12"},
      {"编辑框_联系QQ", "12345"},    {"编辑框_真实姓名", "李四"},  {"编辑框_支付宝", "ls@pay"},
      {"编辑框_安全答案", "蓝色"},   {"编辑框_推荐人ID", "demo01"}};
  for (const auto& [box, text] : boxes)
    form.findChild<QLineEdit*>(QString::fromUtf8(box))->setText(QString::fromUtf8(text));
  form.findChild<QComboBox*>("组合框_安全问题")->setCurrentIndex(1);
  form.findChild<QPushButton*>("按钮_注册")->click();
}

class SignInOutage : public LoginFixture, public testing::WithParamInterface<Outage> {
 protected:
  SignInOutage() {
    // The update host still answers; every platform port is the outage.
    context.config.portOffset = outage.port() - 82;
    context.pacing = PlatformOutage::pacing();
  }
  void SetUp() override { ASSERT_EQ(start(), StartUpOutcome::ShowLogin); }

  LoginPrefill remembered() {
    SleepingPause pause(Pacing{0.01});
    TableStore store(pause);
    setUpCredentialStore(store, context.config.storeDir);
    return readRememberedSignIn(store);
  }

  PlatformOutage outage{GetParam()};
};

TEST_P(SignInOutage, SignInSaysThePlatformCannotBeReachedAndRemembersNothing) {
  bool signedIn = false;
  QObject::connect(window.get(), &LoginWindow::signedIn, [&] { signedIn = true; });
  typeAndSignIn("demo01", "demo2026");
  EXPECT_EQ(dialogs.texts(), std::vector<QString>{outage.sentence()});
  EXPECT_EQ(dialogs.shown().back().caption, "信息：");
  EXPECT_EQ(window->userNameBox()->text(), "demo01");
  EXPECT_EQ(window->passwordBox()->text(), "demo2026");
  EXPECT_EQ(session.userName, "");
  EXPECT_EQ(remembered().action, LoginPrefill::Action::Clear);
  EXPECT_FALSE(signedIn);
  EXPECT_TRUE(window->sweepTimer()->isActive());
}

// The support QQ is looked up at start-up; the hint that shows it says why it has none.
TEST_P(SignInOutage, TheRecoveryHintSaysTheSupportQqCouldNotBeLookedUp) {
  window->findChild<QPushButton*>("按钮_找回密码")->click();
  ASSERT_EQ(dialogs.shown().size(), 1u);
  EXPECT_EQ(dialogs.shown()[0].text, outage.sentence());
  EXPECT_EQ(dialogs.shown()[0].caption, "安全提示");
  EXPECT_EQ(session.supportQq, "");
}

TEST_P(SignInOutage, RegistrationSaysSoAndKeepsTheForm) {
  bool registered = false;
  QString userName;
  bool stillOpen = false;
  const auto watch = whenModalShows<RegisterWindow>([&](RegisterWindow& form) {
    submitValidForm(form);
    userName = form.findChild<QLineEdit*>("编辑框_用户名")->text();
    stillOpen = form.isVisible();
    if (form.isVisible()) form.reject();
  });
  window->userNameBox()->setText("old");
  window->findChild<QPushButton*>("按钮_注册账户")->click();
  registered = window->userNameBox()->text() != "old";
  EXPECT_EQ(dialogs.texts(), std::vector<QString>{outage.sentence()});
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(userName, "newuser1");
  EXPECT_FALSE(registered);
}

INSTANTIATE_TEST_SUITE_P(Outages, SignInOutage,
                         testing::Values(Outage::ClosedPort, Outage::SilentServer), outageName);

// A platform that answers with an empty body has answered: the empty reply is shown as it is.
class SignInEmptyReply : public LoginFixture {
 protected:
  void SetUp() override { ASSERT_EQ(start(), StartUpOutcome::ShowLogin); }
};

TEST_F(SignInEmptyReply, AnEmptyAnswerStillGivesTheEmptyMessage) {
  signInReply = "";
  typeAndSignIn("demo01", "demo2026");
  EXPECT_EQ(dialogs.texts(), std::vector<QString>{""});

  dialogs.clear();
  registerReply = "";
  const auto watch = whenModalShows<RegisterWindow>([&](RegisterWindow& form) {
    submitValidForm(form);
    if (form.isVisible()) form.reject();
  });
  window->findChild<QPushButton*>("按钮_注册账户")->click();
  EXPECT_EQ(dialogs.texts(), std::vector<QString>{""});
}

}  // namespace
}  // namespace verdomo::test
