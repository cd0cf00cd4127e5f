#include <QComboBox>

#include "app/register_window.h"
#include "gui/login_fixture.h"

namespace verdomo::test {
namespace {

class Registration : public LoginFixture {
 protected:
  void SetUp() override { ASSERT_EQ(start(), StartUpOutcome::ShowLogin); }

  static void fill(RegisterWindow& form, const QString& box, const QString& text) {
    form.findChild<QLineEdit*>(box)->setText(text);
  }
  static void fillValidForm(RegisterWindow& form) {
    fill(form, "编辑框_用户名", "new user1");
    fill(form, "编辑框_密码", "secret12");
    fill(form, "编辑框_确认密码", "secret 12");
    fill(form, "编辑框_联系QQ", "12345");
    fill(form, "编辑框_真实姓名", "李四");
    fill(form, "编辑框_支付宝", "ls@pay");
    fill(form, "编辑框_安全答案", "蓝 色");
    fill(form, "编辑框_推荐人ID", "demo01");
    form.findChild<QComboBox*>("组合框_安全问题")->setCurrentIndex(1);
  }
  // Opens the registration window, lets `act` work on it, then closes it if it is still open.
  void withRegistration(std::function<void(RegisterWindow&)> act) {
    const auto watch = whenModalShows<RegisterWindow>([act = std::move(act)](RegisterWindow& form) {
      act(form);
      if (form.isVisible()) form.reject();
    });
    window->findChild<QPushButton*>("按钮_注册账户")->click();
  }
  static void submit(RegisterWindow& form) { form.findChild<QPushButton*>("按钮_注册")->click(); }
};

TEST_F(Registration, SuccessSendsTheEncodedFormAndFillsTheLoginBoxes) {
  bool stillOpen = true;
  withRegistration([&](RegisterWindow& form) {
    fillValidForm(form);
    submit(form);
    stillOpen = form.isVisible();
  });
  EXPECT_FALSE(stillOpen);
  EXPECT_EQ(targetsStartingWith("/ZC/"),
            std::vector<std::string>{
                "/ZC/username=newuser1&password=secret12&password1=secret12&QQ=12345"
                "&Fullname=%E6%9D%8E%E5%9B%9B&account=ls@pay&Referee=demo01"
                "&problem=%E4%BD%A0%E5%96%9C%E6%AC%A2%E7%9A%84%E9%A2%9C%E8%89%B2%EF%BC%9F"
                "&Answer=%E8%93%9D%E8%89%B2&type=1"});
  EXPECT_EQ(dialogs.texts(), std::vector<QString>{"注册成功"});
  EXPECT_EQ(window->userNameBox()->text(), "newuser1");
  EXPECT_EQ(window->passwordBox()->text(), "secret12");
}

TEST_F(Registration, AnyOtherReplyIsShownAndTheFormStays) {
  registerReply = "注册成功\r\n"_gbk;
  bool stillOpen = false;
  withRegistration([&](RegisterWindow& form) {
    fillValidForm(form);
    submit(form);
    stillOpen = form.isVisible();
  });
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(dialogs.texts(), std::vector<QString>{"注册成功\r\n"});
  EXPECT_EQ(window->userNameBox()->text(), "");
}

TEST_F(Registration, AFailedCheckSendsNothing) {
  QString userNameAfter;
  withRegistration([&](RegisterWindow& form) {
    fillValidForm(form);
    fill(form, "编辑框_联系QQ", "1234");
    submit(form);
    userNameAfter = form.findChild<QLineEdit*>("编辑框_用户名")->text();
  });
  EXPECT_EQ(dialogs.texts(), std::vector<QString>{"QQ号位数必须大于6位"});
  EXPECT_EQ(userNameAfter, "newuser1");  // spaces were taken out of the boxes
  EXPECT_TRUE(targetsStartingWith("/ZC/").empty());
}

TEST_F(Registration, NoQuestionChosenSendsAnEmptyProblem) {
  withRegistration([&](RegisterWindow& form) {
    fillValidForm(form);
    form.findChild<QComboBox*>("组合框_安全问题")->setCurrentIndex(-1);
    submit(form);
  });
  ASSERT_EQ(targetsStartingWith("/ZC/").size(), 1u);
  EXPECT_NE(targetsStartingWith("/ZC/")[0].find("&problem=&Answer="), std::string::npos);
}

}  // namespace
}  // namespace verdomo::test
