// The 发短信 page against a scripted platform: the search, the pick of a project, the takes, the
// send, the release and blacklist, the copies.
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QMainWindow>
#include <QTimer>

#include "send_fixture.h"

namespace verdomo::test {
namespace {

using Targets = std::vector<std::string>;

// The fields a take empties and fills, in UTF-8, by control name.
const char* const kResultFields[] = {"编辑框_发短信_获取号码", "透明标签_发短信_号码所属",
                                     "编辑框_发短信_短信内容", "编辑框_发短信_取号时间",
                                     "编辑框_发短信_取码状态", "透明标签40",
                                     "编辑框_发短信_发送内容"};

class SendPageTest : public SendFixture {
 protected:
  // Fills every result field with something a take must clear.
  void fillResultFields() {
    for (const char* name : kResultFields) {
      if (auto* box = control<QPlainTextEdit>(name)) {
        box->setPlainText("旧");
      } else if (auto* label = control<QLabel>(name)) {
        label->setText("旧");
      } else {
        edit(name)->setText("旧");
      }
    }
  }
  QString clipboard() const { return QGuiApplication::clipboard()->text(); }
};

TEST_F(SendPageTest, SearchOffersTheFoundSendProjectsAndAllTheirNumbers) {
  click("按钮4");
  EXPECT_EQ(dialogs.texts(), std::vector<QString>{"请输入项目ID或关键字"});

  answer("/liebiao_xm/",
         "3001#c-丙 站(发送号码:1111#1112)#c-0.70#c-x#c-0#c+"
         "3002#c-收码站#c-1.00#c-x#c-0#c+"
         "3003#c-丁站(发送号码:2222)#c-0.90#c-x#c-1");
  edit("编辑框3")->setText(" 丙 站 ");
  click("按钮4");
  EXPECT_EQ(targetsStartingWith("/liebiao_xm/"),
            Targets{"/liebiao_xm/username=demo01&password=pw&lx=1&ss=%E4%B8%99%E7%AB%99"});
  EXPECT_EQ(items(projects()), (QStringList{"[3001]丙站 - {价格}：0.70 - (发短信)",
                                            "[3003]丁站 - {价格}：0.90 - (发短信)"}));
  EXPECT_EQ(items(serviceNumbers()), (QStringList{"1111", "1112", "2222"}));
  EXPECT_EQ(serviceNumbers()->currentIndex(), 0);
  EXPECT_EQ(gbkToUtf8(session.sendProjectLines),
            "丙站(发送号码:1111#1112)\r\n丁站(发送号码:2222)\r\n");
  EXPECT_TRUE(page->window()->isEnabled());

  pickProject(1);
  EXPECT_EQ(items(serviceNumbers()), QStringList{"2222"});

  // A search that finds no send project leaves the service numbers of the last load.
  answer("/liebiao_xm/", "3002#c-收码站#c-1.00#c-x#c-0");
  click("按钮4");
  EXPECT_EQ(items(projects()), QStringList{"您未收藏[发短信项目]，可通过关键字或项目ID进行搜索。"});
  EXPECT_EQ(items(serviceNumbers()), QStringList{"2222"});
  EXPECT_EQ(session.sendProjectLines, "");
}

TEST_F(SendPageTest, APickOffersTheNumbersOfEveryLineHoldingItsShortName) {
  EXPECT_EQ(items(serviceNumbers()), (QStringList{"1069", "1070"}));
  session.sendProjectLines = utf8ToGbk("甲站(发送号码:1069)\r\n乙甲站(发送号码:1080)\r\n");
  pickProject(1);
  EXPECT_EQ(items(serviceNumbers()), (QStringList{"1069", "1080"}));
  pickProject(0);  // the placeholder changes nothing
  EXPECT_EQ(items(serviceNumbers()), (QStringList{"1069", "1080"}));
  // A selection made by the program is no pick.
  projects()->setCurrentIndex(2);
  EXPECT_EQ(items(serviceNumbers()), (QStringList{"1069", "1080"}));
}

TEST_F(SendPageTest, ATakeEmptiesTheFieldsThenFillsNumberProvinceAndTime) {
  control<QComboBox>("组合框_运营商1")->setCurrentIndex(2);
  control<QComboBox>("组合框_地区1")->addItems({"默认", "北京"});
  control<QComboBox>("组合框_地区1")->setCurrentIndex(1);
  control<QComboBox>("组合框_卡型1")->setCurrentIndex(1);
  control<QCheckBox>("选择框_发短信_不过滤")->click();
  EXPECT_EQ(session.sendLoopFlag, "2");
  fillResultFields();
  takeNumber();
  EXPECT_EQ(targetsStartingWith("/yh_qh/"),
            Targets{"/yh_qh/username=demo01&password=pw&id=2001&operator=2"
                    "&region=%E5%8C%97%E4%BA%AC&card=1&loop=2"});
  EXPECT_EQ(text("编辑框_发短信_获取号码"), "13800138000");
  EXPECT_EQ(text("透明标签_发短信_号码所属"), "号码归属地: 广东");
  EXPECT_FALSE(text("编辑框_发短信_取号时间").isEmpty());
  for (const char* emptied : {"编辑框_发短信_短信内容", "编辑框_发短信_取码状态", "透明标签40",
                              "编辑框_发短信_发送内容"}) {
    EXPECT_EQ(text(emptied), "") << emptied;
  }
  EXPECT_TRUE(dialogs.shown().empty());
  EXPECT_TRUE(page->window()->isEnabled());
  EXPECT_TRUE(control<QPushButton>("按钮_发短信_获取号码")->isEnabled());
  control<QCheckBox>("选择框_发短信_不过滤")->click();
  EXPECT_EQ(session.sendLoopFlag, "1");
}

TEST_F(SendPageTest, TakesAndTheSendDisableTheWindowAndTheirButtonWhileTheyAsk) {
  const auto slow = [](const char* reply) {
    return [body = utf8ToGbk(reply)](const ScriptedRequest&) {
      return ScriptedReply{.body = body, .delay = std::chrono::milliseconds(60)};
    };
  };
  answer("/yh_qh/", slow("1|13800138000"));
  answer("/fdx_tj/", slow("提交成功"));
  for (const char* button :
       {"按钮_发短信_获取号码", "按钮_发短信_指定", "按钮_发短信_提交发短信内容"}) {
    edit("编辑框_发短信_指定")->setText("13800138000");
    edit("编辑框_发短信_发送内容")->setText("你好");
    bool windowDisabled = false;
    bool buttonDisabled = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
      windowDisabled = windowDisabled || !page->window()->isEnabled();
      buttonDisabled = buttonDisabled || !control<QPushButton>(button)->isEnabled();
    });
    watch.start(5);
    click(button);
    watch.stop();
    EXPECT_TRUE(windowDisabled) << button;
    EXPECT_TRUE(buttonDisabled) << button;
    EXPECT_TRUE(page->window()->isEnabled()) << button;
    EXPECT_TRUE(control<QPushButton>(button)->isEnabled()) << button;
  }
  EXPECT_EQ(targetsStartingWith("/fdx_tj/").size(), 1u);
}

TEST_F(SendPageTest, AFailedTakeLeavesTheFieldsEmpty) {
  struct Case {
    const char* reply;
    std::vector<QString> shown;
  };
  const Case cases[] = {{"0|没有可用号码", {"0|没有可用号码"}},  // shown whole, "0|" and all
                        {"", {}},
                        {"1", {}}};
  for (const Case& c : cases) {
    dialogs.clear();
    fillResultFields();
    answer("/yh_qh/", c.reply);
    click("按钮_发短信_获取号码");
    EXPECT_EQ(dialogs.texts(), c.shown) << c.reply;
    for (const char* name : kResultFields)
      EXPECT_EQ(text(name), "") << c.reply << " " << name;
  }
  EXPECT_TRUE(targetsStartingWith("/cc/").empty());  // no lookup without a number
}

TEST_F(SendPageTest, AnUnknownProvinceReadsUnknown) {
  answer("/yh_qh/", "1|13800138000");
  answer("/cc/", "<html>busy</html>");
  click("按钮_发短信_获取号码");
  EXPECT_EQ(text("透明标签_发短信_号码所属"), "号码归属地: 未知");
}

TEST_F(SendPageTest, WithoutAValidProjectNothingIsAsked) {
  answer("/yh_qh/", "1|13800138000");
  answer("/fdx_tj/", "提交成功");
  answer("/yh_sf/", "释放成功");
  for (const char* item : {"", "您未收藏[发短信项目]，可通过关键字或项目ID进行搜索。",
                           "[999]某站 - {价格}：1 - (发短信)"}) {
    projects()->clear();
    projects()->addItem(QString::fromUtf8(item));
    edit("编辑框_发短信_获取号码")->setText("13800138000");
    edit("编辑框_发短信_发送内容")->setText("你好");
    serviceNumbers()->addItem("1069");
    edit("编辑框_发短信_指定")->setText("13800138000");
    click("按钮_发短信_获取号码");
    click("按钮_发短信_指定");
    edit("编辑框_发短信_获取号码")->setText("13800138000");
    edit("编辑框_发短信_发送内容")->setText("你好");
    click("按钮_发短信_提交发短信内容");
    click("按钮_发短信_全部释放");
    click("按钮_发短信_全部加黑");
  }
  EXPECT_TRUE(server.requests().empty());
  EXPECT_TRUE(dialogs.shown().empty());
  EXPECT_TRUE(page->window()->isEnabled());
  for (const char* button :
       {"按钮_发短信_获取号码", "按钮_发短信_指定", "按钮_发短信_提交发短信内容"})
    EXPECT_TRUE(control<QPushButton>(button)->isEnabled()) << button;

  projects()->addItem(QString::fromUtf8(kProject1000));
  pickProject(1);  // ID 1000 is enough to take
  takeNumber();
  ASSERT_EQ(targetsStartingWith("/yh_qh/").size(), 1u);
  EXPECT_TRUE(
      targetsStartingWith("/yh_qh/")[0].starts_with("/yh_qh/username=demo01&password=pw&id=1000&"));
  serviceNumbers()->addItem("1080");
  edit("编辑框_发短信_发送内容")->setText("你好");
  click("按钮_发短信_提交发短信内容");
  dialogs.queueAnswer(true);
  click("按钮_发短信_全部释放");
  ASSERT_EQ(targetsStartingWith("/fdx_tj/").size(), 1u);
  EXPECT_TRUE(targetsStartingWith("/fdx_tj/")[0].starts_with(
      "/fdx_tj/username=demo01&password=pw&id=1000&send=1080&"));
  EXPECT_EQ(targetsStartingWith("/yh_sf/"),
            Targets{"/yh_sf/username=demo01&password=pw&id=1000&phone=13800138000"});
}

// The local checks come before the project test, and a take empties the fields whatever the
// project.
TEST_F(SendPageTest, LocalChecksComeBeforeTheProjectTest) {
  projects()->setCurrentIndex(0);  // the placeholder
  edit("编辑框_发短信_指定")->setText("138001");
  click("按钮_发短信_指定");
  edit("编辑框_发短信_获取号码")->setText("138001");
  edit("编辑框_发短信_发送内容")->setText("你好");
  click("按钮_发短信_提交发短信内容");
  EXPECT_EQ(dialogs.texts(), (std::vector<QString>{"指定手机号码错误", "手机号码错"}));
  fillResultFields();
  click("按钮_发短信_获取号码");
  for (const char* name : kResultFields)
    EXPECT_EQ(text(name), "") << name;
  EXPECT_TRUE(server.requests().empty());
}

TEST_F(SendPageTest, ASpecificTakeChecksTheSpaceFreeLengthAndSendsTheNumberAsTyped) {
  edit("编辑框_发短信_获取号码")->setText("13900000000");
  edit("编辑框_发短信_指定")->setText("138 001");
  click("按钮_发短信_指定");
  EXPECT_EQ(dialogs.texts(), std::vector<QString>{"指定手机号码错误"});
  EXPECT_TRUE(targetsStartingWith("/yh_qh/").empty());
  EXPECT_EQ(text("编辑框_发短信_获取号码"), "13900000000");  // the taken number stays
  EXPECT_TRUE(page->window()->isEnabled());
  EXPECT_TRUE(control<QPushButton>("按钮_发短信_指定")->isEnabled());

  answer("/yh_qh/", "1|1380013");
  answer("/cc/", "{province:'浙江',}");
  edit("编辑框_发短信_指定")->setText(" 1380013 ");
  click("按钮_发短信_指定");
  EXPECT_EQ(targetsStartingWith("/yh_qh/"),
            Targets{"/yh_qh/username=demo01&password=pw&id=2001&operator=&region=&card=&loop=1"
                    "&phone=%201380013%20"});
  EXPECT_EQ(text("编辑框_发短信_获取号码"), "1380013");
  EXPECT_EQ(text("透明标签_发短信_号码所属"), "号码归属地: 浙江");

  answer("/yh_qh/", "0|该号码已被占用");
  click("按钮_发短信_指定");
  EXPECT_EQ(dialogs.texts().back(), "0|该号码已被占用");
  EXPECT_EQ(text("编辑框_发短信_获取号码"), "1380013");
  EXPECT_EQ(text("编辑框_发短信_取号时间"), "");
}

TEST_F(SendPageTest, ASendIsCheckedThenSentWithTheFieldsAsTheyStand) {
  struct Check {
    const char* phone;
    bool serviceNumber;
    const char* content;
    const char* message;
  };
  const Check checks[] = {{"138 001", true, "你好", "手机号码错"},
                          {"13800138000", false, "你好", "请选择发送号码"},
                          {"13800138000", true, " 　 ", "请输入发送内容"}};
  for (const Check& c : checks) {
    edit("编辑框_发短信_获取号码")->setText(QString::fromUtf8(c.phone));
    serviceNumbers()->setCurrentIndex(c.serviceNumber ? 0 : -1);
    edit("编辑框_发短信_发送内容")->setText(QString::fromUtf8(c.content));
    click("按钮_发短信_提交发短信内容");
    EXPECT_EQ(dialogs.texts().back(), QString::fromUtf8(c.message));
  }
  EXPECT_TRUE(targetsStartingWith("/fdx_tj/").empty());

  answer("/fdx_tj/", "提交成功，请等待发送结果");
  edit("编辑框_发短信_获取号码")->setText(" 13800138000");
  serviceNumbers()->setCurrentIndex(1);
  edit("编辑框_发短信_发送内容")->setText("验证 123");
  click("按钮_发短信_提交发短信内容");
  EXPECT_EQ(targetsStartingWith("/fdx_tj/"),
            Targets{"/fdx_tj/username=demo01&password=pw&id=2001&send=1070&phone=%2013800138000"
                    "&content=%E9%AA%8C%E8%AF%81%20123"});
  EXPECT_EQ(dialogs.texts().back(), "提交成功，请等待发送结果");
  EXPECT_TRUE(page->window()->isEnabled());
  EXPECT_TRUE(control<QPushButton>("按钮_发短信_提交发短信内容")->isEnabled());
}

// Five seconds without a reply is a reply that never came, and the page says so.
TEST_F(SendPageTest, ASendWaitsFiveSecondsAtMostThenSaysNoReplyCame) {
  answer("/fdx_tj/", [](const ScriptedRequest&) {
    return ScriptedReply{.body = "late", .delay = std::chrono::milliseconds(8000)};
  });
  edit("编辑框_发短信_获取号码")->setText("13800138000");
  edit("编辑框_发短信_发送内容")->setText("你好");
  const auto start = std::chrono::steady_clock::now();
  click("按钮_发短信_提交发短信内容");
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  EXPECT_GE(took.count(), 4.5);
  EXPECT_LT(took.count(), 7.5);
  EXPECT_EQ(dialogs.texts(), std::vector<QString>{"无法连接服务器，请检查网络后重试（响应超时）"});
}

TEST_F(SendPageTest, ReleaseAndBlacklistAskThenEmptyOnlyOnSuccess) {
  struct Case {
    const char* button;
    const char* path;
    const char* question;
  };
  for (const Case& c : {Case{"按钮_发短信_全部释放", "/yh_sf/", "释放号码"},
                        Case{"按钮_发短信_全部加黑", "/yh_lh/", "拉黑号码"}}) {
    dialogs.clear();
    pickProject(1);
    takeNumber();
    edit("编辑框_发短信_指定")->setText("13900000000");
    edit("编辑框_发短信_发送内容")->setText("你好");
    control<QLabel>("透明标签40")->setText("成功");
    const std::size_t before = targetsStartingWith(c.path).size();

    dialogs.queueAnswer(false);
    click(c.button);
    EXPECT_EQ(targetsStartingWith(c.path).size(), before) << c.path;

    answer(c.path, "0|号码不存在");
    dialogs.queueAnswer(true);
    click(c.button);
    EXPECT_EQ(targetsStartingWith(c.path).back(),
              std::string(c.path) + "username=demo01&password=pw&id=2001&phone=13800138000");
    EXPECT_EQ(dialogs.texts(), (std::vector<QString>{c.question, c.question, "0|号码不存在"}));
    EXPECT_TRUE(dialogs.shown()[0].isPrompt);
    EXPECT_EQ(dialogs.shown()[0].caption, "信息：");
    EXPECT_EQ(dialogs.shown()[2].icon, MessageIcon::Question);
    EXPECT_EQ(text("编辑框_发短信_获取号码"), "13800138000");  // nothing is emptied

    answer(c.path, "释放成功");
    dialogs.queueAnswer(true);
    click(c.button);
    for (const char* emptied :
         {"编辑框_发短信_获取号码", "编辑框_发短信_指定", "编辑框_发短信_发送内容",
          "编辑框_发短信_短信内容", "编辑框_发短信_取号时间", "编辑框_发短信_取码状态"}) {
      EXPECT_EQ(text(emptied), "") << c.path << " " << emptied;
    }
    EXPECT_EQ(serviceNumbers()->count(), 0);
    EXPECT_EQ(text("透明标签40"), "成功");  // the labels keep their text
    EXPECT_EQ(text("透明标签_发短信_号码所属"), "号码归属地: 广东");
    EXPECT_EQ(dialogs.shown().size(), 4u);

    click(c.button);  // no number any more: nothing is asked
    EXPECT_EQ(dialogs.shown().size(), 4u);
  }
}

TEST_F(SendPageTest, CopiesPutTheNumberAndTheSmsOnTheClipboard) {
  QGuiApplication::clipboard()->setText("before");
  click("按钮_发短信_复制短信");  // no SMS: the clipboard stays
  EXPECT_EQ(clipboard(), "before");
  click("按钮_发短信_复制手机号码");  // the empty number empties it
  EXPECT_EQ(clipboard(), "");
  edit("编辑框_发短信_获取号码")->setText("13800138000");
  control<QPlainTextEdit>("编辑框_发短信_短信内容")->setPlainText("验证码 123");
  click("按钮_发短信_复制手机号码");
  EXPECT_EQ(clipboard(), "13800138000");
  click("按钮_发短信_复制短信");
  EXPECT_EQ(clipboard(), "验证码 123");
}

}  // namespace
}  // namespace verdomo::test
