// The 专属对接 page against a scripted platform: the list, the join panel, pause, resume, delete,
// copy and the menus.
#include "docking/docking_page.h"

#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QProgressBar>
#include <QTimer>
#include <functional>

#include "docking_fixture.h"
#include "support/case_name.h"

namespace verdomo::test {
namespace {

using Targets = std::vector<std::string>;

class DockingPageTest : public DockingFixture {
 protected:
  DockingPageTest() {
    page.show();
    page.refreshDockingList();
  }
  QTreeWidget* list() const { return control<QTreeWidget>(&page, "超级列表框_专属列表"); }
  QGroupBox* panel() const { return control<QGroupBox>(&page, "分组框_加入对接"); }
  QLineEdit* codeBox() const { return control<QLineEdit>(&page, "编辑框_加入对接"); }
  void click(const char* name) {
    if (auto* button = control<QPushButton>(&page, name)) return button->click();
    control<QToolButton>(&page, name)->click();
  }
  // The menu the right-click on the list pops up now, if any.
  QMenu* poppedMenu() {
    for (QMenu* menu : {page.pauseMenu(), page.resumeMenu(), page.refreshMenu()})
      menu->hide();
    page.showDockingMenu(QPoint(10, 10));
    for (QMenu* menu : {page.pauseMenu(), page.resumeMenu(), page.refreshMenu()}) {
      if (menu->isVisible()) {
        menu->hide();
        return menu;
      }
    }
    return nullptr;
  }

  DockingPage page{context};
};

TEST_F(DockingPageTest, TheListShowsTheDockingsWithTheirKindAndState) {
  EXPECT_EQ(targetsStartingWith("/yh_zs_lb/"), Targets{kOwnListTarget});
  EXPECT_EQ(column(list(), 0), (QStringList{"ACTIVE1234567", "PAUSED1234567", "REVIEW1234567"}));
  EXPECT_EQ(column(list(), 1), (QStringList{"星空 直播", "快拼优选", "乐享外卖"}));
  EXPECT_EQ(column(list(), 3), (QStringList{"发短信", "收短信", "收短信"}));
  EXPECT_EQ(column(list(), 4), (QStringList{"正常", "暂停", "审核中"}));
  EXPECT_EQ(column(list(), 5), (QStringList{"35", "0", "3"}));
  EXPECT_TRUE(page.isEnabled());

  answer("/yh_zs_lb/", "0|登录失败");
  click("超级按钮_专属_刷新");
  EXPECT_EQ(list()->topLevelItemCount(), 0);
  EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(DockingPageTest, TheJoinPanelTrimsTheCodeAndJoinsOnSuccessOnly) {
  EXPECT_FALSE(panel()->isVisible());
  codeBox()->setText("old");
  click("超级按钮_加入对接");
  EXPECT_TRUE(panel()->isVisible());
  EXPECT_EQ(codeBox()->text(), "");

  codeBox()->setText(" ABCDEFGHJKLM ");  // twelve letters
  click("按钮_加入对接");
  EXPECT_EQ(dialogs.texts(), std::vector<QString>{"对接码输入错误"});
  EXPECT_TRUE(targetsStartingWith("/yh_zs_jr/").empty());

  answer("/yh_zs_jr/", "0|对接码不存在");
  codeBox()->setText("  ABCDEFGHJKLMN  ");
  click("按钮_加入对接");
  EXPECT_EQ(targetsStartingWith("/yh_zs_jr/"),
            Targets{"/yh_zs_jr/username=demo01&password=pw&d=ABCDEFGHJKLMN"});
  EXPECT_EQ(dialogs.texts().back(), "0|对接码不存在");
  EXPECT_TRUE(panel()->isVisible());
  EXPECT_EQ(codeBox()->text(), "  ABCDEFGHJKLMN  ");

  answer("/yh_zs_jr/", "加入成功");
  codeBox()->setText("专属对接码七个");  // seven Chinese characters: fourteen bytes
  click("按钮_加入对接");
  EXPECT_EQ(targetsStartingWith("/yh_zs_jr/").back(),
            "/yh_zs_jr/username=demo01&password=pw&d=%E4%B8%93%E5%B1%9E%E5%AF%B9%E6%8E%A5%E7%A0%81"
            "%E4%B8%83%E4%B8%AA");
  EXPECT_FALSE(panel()->isVisible());
  EXPECT_EQ(targetsStartingWith("/yh_zs_lb/").size(), 2u);  // reloaded
  EXPECT_EQ(dialogs.shown().size(), 2u);                    // no message for a success

  click("超级按钮_加入对接");
  codeBox()->setText("kept");
  click("按钮_加入对接取消");
  EXPECT_FALSE(panel()->isVisible());
  EXPECT_EQ(codeBox()->text(), "kept");
}

struct StateCase {
  const char* name;
  int row;  // -1: none selected
  const char* menu;
};

void PrintTo(const StateCase& c, std::ostream* out) {
  *out << c.name;
}

class DockingMenus : public DockingPageTest, public testing::WithParamInterface<StateCase> {};

TEST_P(DockingMenus, FollowTheSelectedRowsState) {
  selectRow(list(), GetParam().row);
  QMenu* menu = poppedMenu();
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(menu->title(), QString::fromUtf8(GetParam().menu));
}

INSTANTIATE_TEST_SUITE_P(States, DockingMenus,
                         testing::Values(StateCase{"Active", 0, "暂停对接"},
                                         StateCase{"Paused", 1, "恢复对接"},
                                         StateCase{"OtherState", 2, "暂停对接"},
                                         StateCase{"NothingSelected", -1, "专属刷新"}),
                         caseName<StateCase>);

TEST_F(DockingPageTest, TheMenusOfferTheirItemsInOrderAndEveryRefreshReloads) {
  EXPECT_EQ(captions(page.pauseMenu()),
            (QStringList{"复制对接码", "暂停对接(Z)", "删除对接(T)", "刷新(W)"}));
  EXPECT_EQ(captions(page.resumeMenu()),
            (QStringList{"复制对接码(Y)", "恢复对接(H)", "删除对接(P)", "刷新(K)"}));
  EXPECT_EQ(captions(page.refreshMenu()), QStringList{"刷新(Q)"});
  item(page.pauseMenu(), "刷新(W)")->trigger();
  item(page.resumeMenu(), "刷新(K)")->trigger();
  item(page.refreshMenu(), "刷新(Q)")->trigger();
  EXPECT_EQ(targetsStartingWith("/yh_zs_lb/").size(), 4u);
  for (const char* button : {"超级按钮_加入对接", "超级按钮_删除对接", "超级按钮_专属_刷新"}) {
    EXPECT_EQ(control<QToolButton>(&page, button)->toolTip(),
              "公开专属对接后，将在用户区显示此专属对接，用户可自用加入。");
  }
}

TEST_F(DockingPageTest, PauseResumeAndDeleteAskFirstAndChangeOnlyOnSuccess) {
  struct Case {
    int row;
    const char* item;
    const char* question;
    const char* path;
    QStringList statesAfter;
  };
  const Case cases[] = {
      {0, "暂停对接(Z)", "暂停对接", "/yh_zs_fhzt/", {"暂停", "暂停", "审核中"}},
      {1, "恢复对接(H)", "恢复对接", "/yh_zs_fhzt/", {"正常", "正常", "审核中"}},
      {0, "删除对接(T)", "删除对接", "/yh_zs_sc/", {"暂停", "审核中"}},
  };
  for (const Case& c : cases) {
    page.refreshDockingList();
    dialogs.clear();
    QMenu* menu = c.row == 0 ? page.pauseMenu() : page.resumeMenu();
    const std::string code = list()->topLevelItem(c.row)->text(0).toStdString();
    selectRow(list(), c.row);
    const std::size_t before = targetsStartingWith(c.path).size();

    dialogs.queueAnswer(false);
    item(menu, c.item)->trigger();
    EXPECT_EQ(targetsStartingWith(c.path).size(), before) << c.item;

    answer(c.path, "0|对接不存在");
    dialogs.queueAnswer(true);
    item(menu, c.item)->trigger();
    EXPECT_EQ(targetsStartingWith(c.path).back(),
              std::string(c.path) + "username=demo01&password=pw&d=" + code);
    EXPECT_EQ(dialogs.texts().back(), "0|对接不存在");
    EXPECT_EQ(list()->topLevelItemCount(), 3);

    answer(c.path, "操作成功");
    dialogs.queueAnswer(true);
    item(menu, c.item)->trigger();
    EXPECT_EQ(column(list(), 4), c.statesAfter) << c.item;
    ASSERT_EQ(dialogs.shown().size(), 4u) << c.item;  // three questions and the refusal
    EXPECT_EQ(dialogs.shown()[0].text, c.question);
    EXPECT_TRUE(dialogs.shown()[0].isPrompt);
    EXPECT_EQ(dialogs.shown()[0].caption, "信息：");
    EXPECT_EQ(dialogs.shown()[0].icon, MessageIcon::None);
    EXPECT_EQ(dialogs.shown()[0].buttons, ConfirmButtons::YesNo);
    EXPECT_EQ(dialogs.shown()[2].icon, MessageIcon::Question);
  }
}

TEST_F(DockingPageTest, CodesThatFailTheRuleAreRefusedBeforeAnyQuestion) {
  list()->topLevelItem(0)->setText(0, "SHORT");
  selectRow(list(), 0);
  page.pauseDocking();
  page.resumeDocking();
  page.deleteDocking();
  selectRow(list(), -1);
  page.deleteDocking();
  selectRow(list(), 2);  // a state other than 正常: pause does nothing at all
  page.pauseDocking();
  list()->topLevelItem(2)->setText(0, "SHORT");  // the code is checked before the state
  page.pauseDocking();
  EXPECT_EQ(dialogs.texts(),
            (std::vector<QString>{"操作对接失败", "操作对接失败", "请选择要删除的对接",
                                  "请选择要删除的对接", "操作对接失败"}));
  EXPECT_TRUE(targetsStartingWith("/yh_zs_fhzt/").empty());
  EXPECT_TRUE(targetsStartingWith("/yh_zs_sc/").empty());
}

// The selection moves to another docking while the request is on its way: the change goes to
// the docking whose code was sent.
TEST_F(DockingPageTest, AChangeReachesTheDockingThatWasSentNotTheSelectedOne) {
  const auto slowSuccess = [](const ScriptedRequest&) {
    return ScriptedReply{.body = utf8ToGbk("操作成功"), .delay = std::chrono::milliseconds(200)};
  };
  answer("/yh_zs_fhzt/", slowSuccess);
  answer("/yh_zs_sc/", slowSuccess);
  QTimer moveSelection;
  QObject::connect(&moveSelection, &QTimer::timeout, [&] { selectRow(list(), 2); });

  selectRow(list(), 0);
  dialogs.queueAnswer(true);
  moveSelection.start(20);
  page.pauseDocking();
  moveSelection.stop();
  EXPECT_EQ(column(list(), 4), (QStringList{"暂停", "暂停", "审核中"}));

  selectRow(list(), 1);
  dialogs.queueAnswer(true);
  moveSelection.start(20);
  page.deleteDocking();
  moveSelection.stop();
  EXPECT_EQ(column(list(), 0), (QStringList{"ACTIVE1234567", "REVIEW1234567"}));

  // A docking that left the list meanwhile changes nothing.
  selectRow(list(), 0);
  dialogs.queueAnswer(true);
  QTimer::singleShot(20, [&] { delete list()->topLevelItem(0); });
  page.deleteDocking();
  EXPECT_EQ(column(list(), 0), QStringList{"REVIEW1234567"});
}

// Resume does not look at the state: the menu that offers it comes up for paused rows only.
TEST_F(DockingPageTest, ResumeAsksAndSwitchesWhateverTheStateSays) {
  answer("/yh_zs_fhzt/", "操作成功");
  selectRow(list(), 2);  // 审核中
  dialogs.queueAnswer(true);
  page.resumeDocking();
  EXPECT_EQ(targetsStartingWith("/yh_zs_fhzt/"),
            Targets{"/yh_zs_fhzt/username=demo01&password=pw&d=REVIEW1234567"});
  EXPECT_EQ(column(list(), 4), (QStringList{"正常", "暂停", "正常"}));
}

// Every way into an operation reaches it: the buttons, each menu item, the right-click.
TEST_F(DockingPageTest, ButtonsMenuItemsAndTheRightClickReachTheirOperations) {
  answer("/yh_zs_sc/", "0|不能删除");
  const auto deletesAfter = [&](const std::function<void()>& start) {
    const std::size_t before = targetsStartingWith("/yh_zs_sc/").size();
    dialogs.queueAnswer(true);
    start();
    return targetsStartingWith("/yh_zs_sc/").size() == before + 1;
  };
  selectRow(list(), 0);
  EXPECT_TRUE(deletesAfter([&] { click("超级按钮_删除对接"); }));
  EXPECT_TRUE(deletesAfter([&] { item(page.pauseMenu(), "删除对接(T)")->trigger(); }));
  EXPECT_TRUE(deletesAfter([&] { item(page.resumeMenu(), "删除对接(P)")->trigger(); }));
  item(page.pauseMenu(), "复制对接码")->trigger();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "ACTIVE1234567");

  // A right-click on a row pops up that row's menu; one below the rows leaves no row selected.
  const auto rightClick = [&](const QPoint& at) {
    emit list()->customContextMenuRequested(at);
    QMenu* shown = nullptr;
    for (QMenu* menu : {page.pauseMenu(), page.resumeMenu(), page.refreshMenu()}) {
      if (menu->isVisible()) shown = menu;
      menu->hide();
    }
    return shown;
  };
  selectRow(list(), 1);
  EXPECT_EQ(rightClick(list()->visualItemRect(list()->topLevelItem(1)).center()),
            page.resumeMenu());
  EXPECT_EQ(rightClick(QPoint(10, list()->viewport()->height() - 5)), page.refreshMenu());
  EXPECT_TRUE(list()->selectedItems().isEmpty());
}

TEST_F(DockingPageTest, ARefreshRunsTheBusyBarAndDisablesTheWindowWhileItAsks) {
  answer("/yh_zs_lb/", [](const ScriptedRequest&) {
    return ScriptedReply{.body = utf8ToGbk(kOwnDockings), .delay = std::chrono::milliseconds(60)};
  });
  auto* bar = control<QProgressBar>(&page, "进度条3");
  bool barShown = false;
  bool windowDisabled = false;
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    barShown = barShown || bar->isVisible();
    windowDisabled = windowDisabled || !page.isEnabled();
  });
  watch.start(5);
  click("超级按钮_专属_刷新");
  watch.stop();
  EXPECT_TRUE(barShown);
  EXPECT_TRUE(windowDisabled);
  EXPECT_FALSE(bar->isVisible());
  EXPECT_TRUE(page.isEnabled());
  EXPECT_EQ(list()->topLevelItemCount(), 3);
}

TEST_F(DockingPageTest, CopyPutsTheSelectedCodeOnTheClipboard) {
  QGuiApplication::clipboard()->setText("before");
  selectRow(list(), -1);
  page.copyDockingCode();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");
  selectRow(list(), 1);
  item(page.resumeMenu(), "复制对接码(Y)")->trigger();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "PAUSED1234567");
}

}  // namespace
}  // namespace verdomo::test
