// The take of numbers, the specific take, reuse, the release and blacklist operations, the
// list's menu and the copies, on the 取号 page against a scripted platform.
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QTimer>
#include <set>

#include "receive_fixture.h"

namespace verdomo::test {
namespace {

using Targets = std::vector<std::string>;

class ReceivePageTest : public ReceiveFixture {
 protected:
  // Lists `count` numbers 13800000001… for project 1021.
  void listNumbers(int count) {
    answer("/yh_qh/", numberSequence());
    ASSERT_TRUE(take(QString::number(count), [&] { return rowCount() == count; }));
  }
  QMenu* menu() const { return page->numberMenu(); }
  QAction* menuItem(const char* caption) const {
    for (QAction* item : menu()->actions()) {
      if (item->text() == QString::fromUtf8(caption)) return item;
    }
    return nullptr;
  }
  QString clipboard() const { return QGuiApplication::clipboard()->text(); }
};

TEST_F(ReceivePageTest, ATakeReleasesTheListThenTakesTheQuantityWithTheFilters) {
  listNumbers(2);
  control<QComboBox>("组合框_运营商")->setCurrentIndex(2);  // 联通
  control<QComboBox>("组合框_地区")->addItems({"默认", "北京"});
  control<QComboBox>("组合框_地区")->setCurrentIndex(1);
  control<QComboBox>("组合框_卡型")->setCurrentIndex(2);  // 实卡
  control<QCheckBox>("选择框_取号_不过滤")->click();
  EXPECT_EQ(session.receiveLoopFlag, "2");
  control<QLineEdit>("编辑框_取号_指定")->setText("13900000000");
  answer("/yh_sf/", "1");
  answer("/yh_qh/", numberSequence());
  ASSERT_TRUE(take("3", [&] {
    return rowCount() == 3 && cell(0, 1) == "13800000001" &&
           targetsStartingWith("/yh_qh/").size() == 5;
  }));
  EXPECT_EQ(targetsStartingWith("/yh_sf/"),
            (Targets{"/yh_sf/username=demo01&password=pw&id=1021&phone=13800000001",
                     "/yh_sf/username=demo01&password=pw&id=1021&phone=13800000002"}));
  EXPECT_EQ(targetsStartingWith("/yh_qh/").back(),
            "/yh_qh/username=demo01&password=pw&id=1021&operator=2&region=%E5%8C%97%E4%BA%AC"
            "&card=2&loop=2");
  EXPECT_EQ(column(0), (QStringList{"1", "2", "3"}));
  EXPECT_EQ(column(1), (QStringList{"13800000001", "13800000002", "13800000003"}));
  EXPECT_EQ(column(7), (QStringList{"1021", "1021", "1021"}));
  EXPECT_TRUE(control<QLineEdit>("编辑框_取号_指定")->text().isEmpty());
  for (int empty : {2, 3, 4, 5})
    EXPECT_EQ(cell(0, empty), "") << empty;
  EXPECT_FALSE(cell(0, 6).isEmpty());  // the take time
  EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(ReceivePageTest, OneTakeAtATimeWithAllFourButtonsDisabled) {
  answer("/yh_qh/", [sequence = numberSequence()](const ScriptedRequest& request) {
    ScriptedReply reply = sequence(request);
    reply.delay = std::chrono::milliseconds(30);
    return reply;
  });
  const char* buttons[] = {"按钮_取号_获取号码", "按钮_取号_指定", "按钮_取号_全部加黑",
                           "按钮_取号全部释放"};
  QTimer watch;
  std::set<std::string> seenDisabled;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    for (const char* name : buttons) {
      if (!control<QPushButton>(name)->isEnabled()) seenDisabled.insert(name);
    }
  });
  watch.start(1);
  takeButton()->click();  // a second click before the worker has disabled the buttons
  ASSERT_TRUE(take("3", [&] { return rowCount() == 3; }));
  watch.stop();
  EXPECT_EQ(seenDisabled.size(), 4u);
  EXPECT_EQ(targetsStartingWith("/yh_qh/").size(), 3u);
  for (const char* name : buttons)
    EXPECT_TRUE(control<QPushButton>(name)->isEnabled()) << name;
}

TEST_F(ReceivePageTest, ATakeEndsWithItsPage) {
  answer("/yh_qh/", [sequence = numberSequence()](const ScriptedRequest& request) {
    ScriptedReply reply = sequence(request);
    reply.delay = std::chrono::milliseconds(50);
    return reply;
  });
  control<QLineEdit>("编辑框_取号_获取数量")->setText("10");
  takeButton()->click();
  ASSERT_TRUE(waitUntil([&] { return targetsStartingWith("/yh_qh/").size() >= 2; }));
  page.reset();
  const std::size_t sent = targetsStartingWith("/yh_qh/").size();
  waitUntil([] { return false; }, 500);
  EXPECT_LE(targetsStartingWith("/yh_qh/").size(), sent + 1);  // at most the one in flight
}

TEST_F(ReceivePageTest, QuantitiesZeroAndElevenTakeNothing) {
  listNumbers(2);
  answer("/yh_sf/", "1");
  ASSERT_TRUE(take("11", [&] { return dialogs.shown().size() == 1; }));
  EXPECT_EQ(dialogs.texts(), std::vector<QString>{"一次最多只能取10个号码"});
  EXPECT_EQ(rowCount(), 2);  // untouched
  EXPECT_TRUE(targetsStartingWith("/yh_sf/").empty());

  ASSERT_TRUE(take("0", [&] { return rowCount() == 0; }));  // released, nothing taken
  EXPECT_EQ(targetsStartingWith("/yh_sf/").size(), 2u);
  EXPECT_EQ(targetsStartingWith("/yh_qh/").size(), 2u);
}

TEST_F(ReceivePageTest, OnlyARefusalOfTheFirstNumberIsShown) {
  answer("/yh_qh/", numberSequence({4}, "0|今日已取10|个"));
  ASSERT_TRUE(take("10", [&] { return targetsStartingWith("/yh_qh/").size() == 10; }));
  EXPECT_TRUE(waitUntil([&] { return rowCount() == 9; }));
  EXPECT_EQ(column(0).last(), "9");
  EXPECT_TRUE(dialogs.shown().empty());

  answer("/yh_qh/", numberSequence({1}, "0|今日已取10|个"));
  ASSERT_TRUE(take("10", [&] { return dialogs.shown().size() == 1; }));
  EXPECT_EQ(dialogs.texts(), std::vector<QString>{"今日已取1个"});  // every "0|" removed
  EXPECT_EQ(targetsStartingWith("/yh_qh/").size(), 11u);            // the run ended
  EXPECT_EQ(rowCount(), 0);
}

TEST_F(ReceivePageTest, APlaceholderOrLowProjectTakesNothing) {
  listNumbers(1);
  answer("/yh_sf/", "1");
  projects()->setCurrentIndex(0);  // the placeholder
  ASSERT_TRUE(take("1", [] { return true; }));
  EXPECT_EQ(rowCount(), 1);
  projects()->setCurrentIndex(2);  // 1000 is the lowest takeable ID
  ASSERT_TRUE(take("1", [] { return true; }));
  EXPECT_EQ(targetsStartingWith("/yh_qh/").back(),
            "/yh_qh/username=demo01&password=pw&id=1000&operator=&region=&card=&loop=1");
  EXPECT_EQ(targetsStartingWith("/yh_qh/").size(), 2u);
  EXPECT_EQ(targetsStartingWith("/yh_sf/").size(), 1u);
}

TEST_F(ReceivePageTest, ASpecificTakeReplacesTheListAndKeepsTheBox) {
  listNumbers(2);
  auto* specific = control<QLineEdit>("编辑框_取号_指定");
  auto* button = control<QPushButton>("按钮_取号_指定");
  button->click();  // an empty box sends nothing
  EXPECT_EQ(server.requests().size(), 2u);

  answer("/yh_sf/", "1");
  answer("/yh_qh/", "0|号码不可用");
  specific->setText("13912345678");
  button->click();
  EXPECT_EQ(dialogs.texts(), std::vector<QString>{"号码不可用"});
  EXPECT_EQ(rowCount(), 0);  // the listed numbers went back first

  answer("/yh_qh/", "1|13912345678");
  button->click();
  EXPECT_EQ(targetsStartingWith("/yh_qh/").back(),
            "/yh_qh/username=demo01&password=pw&id=1021&phone=13912345678");
  EXPECT_EQ(column(1), QStringList{"13912345678"});
  EXPECT_EQ(column(0), QStringList{"1"});
  EXPECT_EQ(specific->text(), "13912345678");
  EXPECT_TRUE(button->isEnabled());
}

TEST_F(ReceivePageTest, TheListButtonsAskThenReleaseEveryRowWithItsOwnProject) {
  listNumbers(3);
  projects()->setCurrentIndex(3);  // another project: rows still carry 1021
  auto* label = control<QLabel>("透明标签_取号_状态提示");
  QStringList labelTexts;
  answer("/yh_lh/", [&](const ScriptedRequest&) {
    return ScriptedReply{.body = "ok", .delay = std::chrono::milliseconds(20)};
  });
  dialogs.queueAnswer(false);
  control<QPushButton>("按钮_取号_全部加黑")->click();
  EXPECT_EQ(rowCount(), 3);
  EXPECT_TRUE(targetsStartingWith("/yh_lh/").empty());

  dialogs.queueAnswer(true);
  QTimer watch;  // notes the label and the buttons while the loop runs
  bool buttonsDisabled = false;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    if (!label->text().isEmpty()) labelTexts << label->text();
    if (!takeButton()->isEnabled()) buttonsDisabled = true;
  });
  watch.start(1);
  control<QPushButton>("按钮_取号_全部加黑")->click();
  watch.stop();
  EXPECT_EQ(dialogs.shown().back().text, "拉黑号码");
  EXPECT_EQ(targetsStartingWith("/yh_lh/"),
            (Targets{"/yh_lh/username=demo01&password=pw&id=1021&phone=13800000001",
                     "/yh_lh/username=demo01&password=pw&id=1021&phone=13800000002",
                     "/yh_lh/username=demo01&password=pw&id=1021&phone=13800000003"}));
  ASSERT_FALSE(labelTexts.isEmpty());
  EXPECT_EQ(labelTexts.first(), "正在释放当前列表手机号码中请稍候..");
  EXPECT_TRUE(buttonsDisabled);
  EXPECT_EQ(rowCount(), 0);
  EXPECT_EQ(label->text(), "");
  EXPECT_TRUE(takeButton()->isEnabled());
}

TEST_F(ReceivePageTest, TheMenuOpensForProjectsAbove1000Only) {
  listNumbers(1);
  const QStringList captions{"复制手机号码(A)", "复制验证码(B)", "复制全部手机号码(D)",
                             "复制短信内容(C)", "再次使用号码",  "释放号码",
                             "拉黑号码"};
  QStringList shown;
  for (QAction* item : menu()->actions())
    shown << item->text();
  EXPECT_EQ(shown, captions);
  EXPECT_EQ(menu()->title(), "取号功能");
  selectRow(0);
  for (const auto& [item, opens] :
       std::vector<std::pair<int, bool>>{{0, false}, {2, false}, {3, true}, {1, true}}) {
    projects()->setCurrentIndex(item);
    emit list()->customContextMenuRequested(QPoint(5, 5));
    EXPECT_EQ(menu()->isVisible(), opens) << item;
    menu()->hide();
  }
  emit list()->customContextMenuRequested(QPoint(5, 300));  // below the rows: no menu
  EXPECT_FALSE(menu()->isVisible());
}

TEST_F(ReceivePageTest, CopiesPutTheCellsOnTheClipboard) {
  listNumbers(3);
  list()->topLevelItem(1)->setText(3, "471710");
  list()->topLevelItem(1)->setText(5, "【悦读】验证码471710");
  list()->topLevelItem(2)->setText(1, "");  // a row without a number is left out of "all"
  selectRow(1);
  const std::pair<const char*, QString> copies[] = {
      {"复制手机号码(A)", "13800000002"},
      {"复制验证码(B)", "471710"},
      {"复制短信内容(C)", "【悦读】验证码471710"},
      {"复制全部手机号码(D)", "13800000001\r\n13800000002\r\n"},
  };
  for (const auto& [caption, expected] : copies) {
    QGuiApplication::clipboard()->setText("before");
    menuItem(caption)->trigger();
    EXPECT_EQ(clipboard(), expected) << caption;
  }
  // With project 1000 selected the single-cell copies do nothing; copying all still works.
  projects()->setCurrentIndex(2);
  QGuiApplication::clipboard()->setText("before");
  menuItem("复制验证码(B)")->trigger();
  EXPECT_EQ(clipboard(), "before");
  menuItem("复制全部手机号码(D)")->trigger();
  EXPECT_EQ(clipboard(), "13800000001\r\n13800000002\r\n");

  // A double-click copies the code, or the number while there is none, whatever the project.
  emit list()->itemDoubleClicked(list()->topLevelItem(1), 0);
  EXPECT_EQ(clipboard(), "471710");
  selectRow(0);
  emit list()->itemDoubleClicked(list()->topLevelItem(0), 0);
  EXPECT_EQ(clipboard(), "13800000001");
}

TEST_F(ReceivePageTest, SingleReleaseAndBlacklistDeleteTheRowWhateverTheReply) {
  listNumbers(3);
  answer("/yh_sf/", "0|失败");
  answer("/yh_lh/", "");
  selectRow(1);
  dialogs.queueAnswer(true);
  menuItem("释放号码")->trigger();
  selectRow(0);
  dialogs.queueAnswer(false);
  menuItem("拉黑号码")->trigger();  // No: nothing happens
  dialogs.queueAnswer(true);
  menuItem("拉黑号码")->trigger();
  EXPECT_EQ(targetsStartingWith("/yh_sf/"),
            Targets{"/yh_sf/username=demo01&password=pw&id=1021&phone=13800000002"});
  EXPECT_EQ(targetsStartingWith("/yh_lh/"),
            Targets{"/yh_lh/username=demo01&password=pw&id=1021&phone=13800000001"});
  EXPECT_EQ(column(1), QStringList{"13800000003"});
  EXPECT_EQ(column(0), QStringList{"3"});  // serials are never renumbered
}

// "再次使用号码" stays usable while the list is released. Here it is used while the first row's
// release is on its way: the first row gets 13800000098 after its release was sent, the second
// row gets 13800000099 before its turn.
TEST_F(ReceivePageTest, ReuseDuringAWholeListReleaseLosesNoNumber) {
  listNumbers(3);
  answer("/yh_sf/", [](const ScriptedRequest& request) {
    const bool first = request.target.ends_with("phone=13800000001");
    return ScriptedReply{.body = "1", .delay = std::chrono::milliseconds(first ? 300 : 0)};
  });
  answer("/yh_qh/", [](const ScriptedRequest& request) {
    return ScriptedReply::text(request.target.ends_with("phone=13800000001") ? "1|13800000098"
                                                                             : "1|13800000099");
  });
  QTimer reuse;
  QObject::connect(&reuse, &QTimer::timeout, [&] {
    if (targetsStartingWith("/yh_sf/").size() != 1) return;
    reuse.stop();
    for (int row : {0, 1}) {
      selectRow(row);
      menuItem("再次使用号码")->trigger();
    }
  });
  reuse.start(1);
  dialogs.queueAnswer(true);
  control<QPushButton>("按钮_取号全部释放")->click();

  EXPECT_EQ(targetsStartingWith("/yh_sf/"),
            (Targets{"/yh_sf/username=demo01&password=pw&id=1021&phone=13800000001",
                     "/yh_sf/username=demo01&password=pw&id=1021&phone=13800000099",
                     "/yh_sf/username=demo01&password=pw&id=1021&phone=13800000003"}));
  // The number the first row got after its release is still listed, still to be released.
  EXPECT_EQ(column(1), QStringList{"13800000098"});
  EXPECT_EQ(control<QLabel>("透明标签_取号_状态提示")->text(), "");
}

TEST_F(ReceivePageTest, ReuseAsksForTheNumberAgainAndPutsTheRowBackToWaiting) {
  listNumbers(2);
  QTreeWidgetItem* row = list()->topLevelItem(1);
  row->setText(2, "广东");
  row->setText(3, "471710");
  row->setText(4, "短信已达到");
  row->setText(6, "2020年1月1日");
  selectRow(1);
  projects()->setCurrentIndex(3);  // the request carries the project selected now
  answer("/yh_qh/", "1|13800000099");
  menuItem("再次使用号码")->trigger();
  EXPECT_EQ(targetsStartingWith("/yh_qh/").back(),
            "/yh_qh/username=demo01&password=pw&id=1001&phone=13800000002");
  EXPECT_EQ(row->text(1), "13800000099");
  EXPECT_EQ(row->text(4), "没有收到短信");
  EXPECT_NE(row->text(6), "2020年1月1日");
  EXPECT_EQ(row->text(3), "471710");  // code, province and project stay
  EXPECT_EQ(row->text(2), "广东");
  EXPECT_EQ(row->text(7), "1021");
  EXPECT_TRUE(page->isEnabled());

  const std::size_t takes = targetsStartingWith("/yh_qh/").size();
  projects()->setCurrentIndex(0);  // the placeholder: nothing is asked
  menuItem("再次使用号码")->trigger();
  list()->clearSelection();
  projects()->setCurrentIndex(3);
  menuItem("再次使用号码")->trigger();  // no selected row: nothing either
  EXPECT_EQ(targetsStartingWith("/yh_qh/").size(), takes);

  selectRow(1);
  answer("/yh_qh/", "0|号码已失效");
  menuItem("再次使用号码")->trigger();
  EXPECT_EQ(dialogs.texts(), std::vector<QString>{"号码已失效"});
  EXPECT_EQ(row->text(1), "13800000099");
}

TEST_F(ReceivePageTest, SearchOffersReceiveProjectsOrSaysNoneWasFound) {
  auto* searchBox = control<QLineEdit>("编辑框1");
  searchBox->setText(QString::fromUtf8(" \xE3\x80\x80 "));  // blanks only
  control<QPushButton>("按钮")->click();
  EXPECT_EQ(dialogs.texts(), std::vector<QString>{"请输入项目ID或关键字"});
  EXPECT_EQ(projects()->count(), 4);

  answer("/liebiao_xm/",
         "1001#c-悦读 小说#c-0.5#c-x#c-0#c+2001#c-某(发送号码:1)#c-0.1#c-x#c-0#c+"
         "1002#c-四个#c-0.1#c-x#c+1003#c-某站#c-1#c-x#c-1");
  searchBox->setText("悦 读");
  control<QPushButton>("按钮")->click();
  EXPECT_EQ(server.requests().back().target,
            "/liebiao_xm/username=demo01&password=pw&lx=1&ss=%E6%82%A6%E8%AF%BB");
  QStringList items;
  for (int i = 0; i < projects()->count(); ++i)
    items << projects()->itemText(i);
  EXPECT_EQ(items, (QStringList{"[1001]悦读小说 - {价格}：0.5", "[1003]某站 - {价格}：1"}));
  EXPECT_EQ(projects()->currentIndex(), 0);
  EXPECT_TRUE(page->isEnabled());

  answer("/liebiao_xm/", "0|没有");
  control<QPushButton>("按钮")->click();
  EXPECT_EQ(projects()->count(), 1);
  EXPECT_EQ(projects()->itemText(0), "未搜索到相关项目");
}

}  // namespace
}  // namespace verdomo::test
