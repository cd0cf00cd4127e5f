// The three security windows against a scripted platform: their checks, their requests, and
// what a success leaves in the session, seen by reopening the window.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "funds/change_password_window.h"
#include "funds/profile_window.h"
#include "funds/security_question_window.h"
#include "session/app_context.h"
#include "support/gbk_test_text.h"
#include "support/modal_windows.h"
#include "support/qt_printing.h"
#include "support/recording_dialogs.h"
#include "support/scripted_platform.h"

namespace verdomo::test {
namespace {

using Targets = std::vector<std::string>;

class SecurityWindowsTest : public testing::Test, public ScriptedPlatform {
 protected:
  SecurityWindowsTest() {
    session.userName = "demo01";
    session.password = "pw";
    session.addresses = addresses();
    session.securityQuestion = utf8ToGbk("你喜欢的颜色？");
    session.contactQq = "10086";
    session.realName = utf8ToGbk("王五");
    session.alipayAccount = "ww@pay";
  }
  template <typename T>
  static T* control(const QWidget& window, const char* name) {
    return window.findChild<T*>(QString::fromUtf8(name));
  }
  static void type(const QWidget& window, const char* box, const char* text) {
    control<QLineEdit>(window, box)->setText(QString::fromUtf8(text));
  }
  static QString text(const QWidget& window, const char* box) {
    return control<QLineEdit>(window, box)->text();
  }
  static QStringList items(const QComboBox* box) {
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
      texts << box->itemText(i);
    return texts;
  }

  SessionState session;
  RecordingDialogs dialogs;
  SystemClock clock;
  AppContext context{{}, {}, session, dialogs, clock, Pacing{0.01}};
};

TEST_F(SecurityWindowsTest, TheNewPasswordIsCheckedSentAndTheBoxesEmptiedOnSuccess) {
  ChangePasswordWindow window(context);
  window.show();
  EXPECT_EQ(items(control<QComboBox>(window, "组合框_修改密码_安全问题")),
            QStringList{"你喜欢的颜色？"});
  EXPECT_EQ(window.focusWidget(), control<QLineEdit>(window, "编辑框_修改密码_安全答案"));

  type(window, "编辑框_修改密码_安全答案", "蓝 色");
  type(window, "编辑框_修改密码_新密码", "abcde");
  control<QPushButton>(window, "按钮_修改密码_保存")->click();
  EXPECT_EQ(dialogs.texts().back(), "新密码长度不够或新密码长度过长");
  EXPECT_TRUE(targetsStartingWith("/xg_mm/").empty());

  answer("/xg_mm/", "0|安全答案错误");
  type(window, "编辑框_修改密码_新密码", "abc def");
  type(window, "编辑框_修改密码_确认码", "abcdef ");
  control<QPushButton>(window, "按钮_修改密码_保存")->click();
  EXPECT_EQ(targetsStartingWith("/xg_mm/"),
            Targets{"/xg_mm/username=demo01&password=pw&w=%E8%93%9D%E8%89%B2&p=abcdef"});
  EXPECT_EQ(dialogs.texts().back(), "0|安全答案错误");
  EXPECT_EQ(text(window, "编辑框_修改密码_新密码"), "abc def");

  answer("/xg_mm/", "修改成功");
  control<QPushButton>(window, "按钮_修改密码_保存")->click();
  EXPECT_EQ(dialogs.texts().back(), "修改成功,请重新登录。");
  for (const char* box :
       {"编辑框_修改密码_安全答案", "编辑框_修改密码_新密码", "编辑框_修改密码_确认码"})
    EXPECT_EQ(text(window, box), "") << box;
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(session.password, "pw");  // the session goes on with the old password
}

TEST_F(SecurityWindowsTest, TheProfileIsCheckedSentAndKeptInTheSessionOnSuccess) {
  {
    ProfileWindow window(context);
    window.show();
    EXPECT_EQ(text(window, "编辑框_修改个人资_联系QQ"), "10086");
    EXPECT_EQ(text(window, "编辑框_修改个人资_真实姓名"), "王五");
    EXPECT_EQ(text(window, "编辑框_修改个人资_支付宝"), "ww@pay");
    EXPECT_EQ(window.focusWidget(), control<QLineEdit>(window, "编辑框_修改个人资_安全答案"));

    type(window, "编辑框_修改个人资_安全答案", "蓝色");
    control<QPushButton>(window, "按钮_修改个人资_保存")->click();  // QQ 10086: five digits
    EXPECT_EQ(dialogs.texts().back(), "请输入正确的联系QQ");

    answer("/xg_zl/", "0|安全答案错误");
    type(window, "编辑框_修改个人资_联系QQ", "123456");
    type(window, "编辑框_修改个人资_真实姓名", "赵 六");
    type(window, "编辑框_修改个人资_支付宝", "zl@pay");
    control<QPushButton>(window, "按钮_修改个人资_保存")->click();
    EXPECT_EQ(targetsStartingWith("/xg_zl/"),
              Targets{"/xg_zl/username=demo01&password=pw&w=%E8%93%9D%E8%89%B2&q=123456"
                      "&z=%E8%B5%B5%E5%85%AD&f=zl@pay"});
    EXPECT_EQ(dialogs.texts().back(), "0|安全答案错误");
    EXPECT_EQ(gbkToUtf8(session.realName), "王五");

    answer("/xg_zl/", "修改成功");
    control<QPushButton>(window, "按钮_修改个人资_保存")->click();
    EXPECT_EQ(dialogs.texts().back(), "修改成功");
    EXPECT_EQ(text(window, "编辑框_修改个人资_安全答案"), "");
    EXPECT_TRUE(window.isVisible());
  }
  ProfileWindow reopened(context);  // the session keeps the boxes as they stood
  EXPECT_EQ(text(reopened, "编辑框_修改个人资_联系QQ"), "123456");
  EXPECT_EQ(text(reopened, "编辑框_修改个人资_真实姓名"), "赵 六");
  EXPECT_EQ(text(reopened, "编辑框_修改个人资_支付宝"), "zl@pay");
}

TEST_F(SecurityWindowsTest, ANewQuestionBecomesTheCurrentOneOnSuccess) {
  {
    SecurityQuestionWindow window(context);
    window.show();
    auto* current = control<QComboBox>(window, "组合框_修改安全信息_旧问题");
    auto* questions = control<QComboBox>(window, "组合框_修改安全信息_新问题");
    EXPECT_EQ(items(current), QStringList{"你喜欢的颜色？"});
    EXPECT_EQ(questions->count(), 4);
    EXPECT_EQ(questions->currentIndex(), 0);
    EXPECT_EQ(window.focusWidget(), control<QLineEdit>(window, "编辑框_修改安全信息_旧答案"));

    control<QPushButton>(window, "按钮_修改安全信息_保存")->click();
    type(window, "编辑框_修改安全信息_旧答案", "蓝色");
    control<QPushButton>(window, "按钮_修改安全信息_保存")->click();
    EXPECT_EQ(dialogs.texts(), (std::vector<QString>{"请输入旧的安全答案", "请输入新的安全答案"}));

    answer("/xg_aq/", "0|安全答案错误");
    questions->setCurrentIndex(3);
    type(window, "编辑框_修改安全信息_新答案", "当 宇航员");
    control<QPushButton>(window, "按钮_修改安全信息_保存")->click();
    EXPECT_EQ(targetsStartingWith("/xg_aq/"),
              Targets{"/xg_aq/username=demo01&password=pw&w=%E8%93%9D%E8%89%B2"
                      "&xt=%E4%BD%A0%E7%9A%84%E6%A2%A6%E6%83%B3%E6%98%AF%E4%BB%80%E4%B9%88%EF%BC%9F"
                      "&w1=%E5%BD%93%E5%AE%87%E8%88%AA%E5%91%98"});
    EXPECT_EQ(gbkToUtf8(session.securityQuestion), "你喜欢的颜色？");

    answer("/xg_aq/", "修改成功");
    control<QPushButton>(window, "按钮_修改安全信息_保存")->click();
    EXPECT_EQ(dialogs.texts().back(), "修改成功");
    EXPECT_EQ(items(current), QStringList{"你的梦想是什么？"});
    EXPECT_EQ(questions->currentIndex(), 0);
    EXPECT_EQ(text(window, "编辑框_修改安全信息_旧答案"), "");
    EXPECT_EQ(text(window, "编辑框_修改安全信息_新答案"), "");
  }
  ChangePasswordWindow reopened(context);
  EXPECT_EQ(items(control<QComboBox>(reopened, "组合框_修改密码_安全问题")),
            QStringList{"你的梦想是什么？"});
}

}  // namespace
}  // namespace verdomo::test
