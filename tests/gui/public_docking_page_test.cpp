// The 公开专属 page against a scripted platform: the worker's load, the join from the list and the
// three finds.
#include "docking/public_docking_page.h"

#include <QProgressBar>

#include "ui/worker_threads.h"

#include "docking_fixture.h"

namespace verdomo::test {
namespace {

using Targets = std::vector<std::string>;

class PublicDockingPageTest : public DockingFixture {
 protected:
  PublicDockingPageTest() {
    page.setLoadButton(&loadButton);
    loadButton.show();
    page.show();
  }

  QTreeWidget* list() const { return control<QTreeWidget>(&page, "超级列表框_公开专属列表"); }
  QLineEdit* findBox() const { return control<QLineEdit>(&page, "编辑框_公开搜索"); }
  void click(const char* name) { control<QPushButton>(&page, name)->click(); }
  bool waitUntilLoaded() {
    return waitUntil([&] {
      return page.isEnabled() && !control<QProgressBar>(&page, "进度条7")->isVisible() &&
             list()->topLevelItemCount() > 0;
    });
  }
  // Starts a load and waits until it is over.
  void load() {
    const std::size_t before = targetsStartingWith("/yh_zs_gk_lb/").size();
    page.startPublicDockingWorker();
    ASSERT_TRUE(waitUntil([&] { return targetsStartingWith("/yh_zs_gk_lb/").size() > before; }));
    QCoreApplication::processEvents();  // what the worker posted before its request
    ASSERT_TRUE(waitUntilLoaded());
  }

  QPushButton loadButton{"公开专属"};
  PublicDockingPage page{context};
};

TEST_F(PublicDockingPageTest, TheWorkerFillsTheListAndHandsTheFocusBack) {
  load();
  EXPECT_EQ(targetsStartingWith("/yh_zs_gk_lb/"), Targets{kPublicListTarget});
  EXPECT_EQ(column(list(), 0), (QStringList{"FIRST12345678", "SECOND1234567", "THIRD12345678"}));
  EXPECT_EQ(column(list(), 1), (QStringList{"甲服务", "乙服务", "甲服务"}));
  EXPECT_EQ(column(list(), 3), (QStringList{"收短信", "收短信", "发短信"}));
  EXPECT_EQ(column(list(), 4), (QStringList{"正常", "正常", "正常"}));
  EXPECT_TRUE(list()->isColumnHidden(4));
  EXPECT_TRUE(waitUntil([&] { return loadButton.focusWidget() == &loadButton; }));
}

// A second load while the first is on its way: the list ends with one load's rows, whole and in
// reply order, never a mix of both.
TEST_F(PublicDockingPageTest, OverlappingLoadsLeaveOneLoadsRowsWhole) {
  std::atomic<int> loads = 0;
  answer("/yh_zs_gk_lb/", [&](const ScriptedRequest&) {
    if (++loads == 1) {
      return ScriptedReply{.body = utf8ToGbk(kPublicDockings),
                           .delay = std::chrono::milliseconds(300)};
    }
    return ScriptedReply::text(
        utf8ToGbk("正常#c-OTHER12345678#c-丙服务#c-0.10#c-x#c-1#c-a#c-b#c-c"));
  });
  page.startPublicDockingWorker();
  ASSERT_TRUE(waitUntil([&] { return loads == 1; }));
  page.startPublicDockingWorker();
  ASSERT_TRUE(waitUntil([&] { return loads == 2; }));
  ASSERT_TRUE(waitForWorkerThreads(std::chrono::seconds(5)));  // both loads are over
  QCoreApplication::processEvents();
  const QStringList codes = column(list(), 0);
  EXPECT_TRUE(codes == (QStringList{"FIRST12345678", "SECOND1234567", "THIRD12345678"}) ||
              codes == QStringList{"OTHER12345678"})
      << codes.join(",").toStdString();
  EXPECT_TRUE(page.isEnabled());
}

TEST_F(PublicDockingPageTest, ARefusedOrFailedLoadLeavesTheListEmptyWithoutAWord) {
  for (const char* reply : {"0|登录失败", ""}) {
    answer("/yh_zs_gk_lb/", kPublicDockings);
    load();
    answer("/yh_zs_gk_lb/", reply);
    page.startPublicDockingWorker();
    ASSERT_TRUE(waitForWorkerThreads(std::chrono::seconds(5)));
    QCoreApplication::processEvents();
    EXPECT_EQ(list()->topLevelItemCount(), 0) << reply;
    EXPECT_TRUE(page.isEnabled());
  }
  EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(PublicDockingPageTest, TheMenuComesUpForARowWithACodeAndJoinShowsTheReply) {
  load();
  page.showPublicDockingMenu(QPoint(10, 10));  // nothing selected
  EXPECT_FALSE(page.joinMenu()->isVisible());
  list()->topLevelItem(1)->setText(0, " 　 ");
  selectRow(list(), 1);
  page.showPublicDockingMenu(QPoint(10, 10));  // a code of spaces only
  EXPECT_FALSE(page.joinMenu()->isVisible());
  page.joinPublicDocking();
  EXPECT_TRUE(targetsStartingWith("/yh_zs_jr/").empty());

  list()->topLevelItem(0)->setText(0, " FIRST12345678 ");
  selectRow(list(), 0);
  page.showPublicDockingMenu(QPoint(10, 10));
  EXPECT_TRUE(page.joinMenu()->isVisible());
  page.joinMenu()->hide();
  EXPECT_EQ(captions(page.joinMenu()), (QStringList{"加入专属(J)", "刷新(R)"}));

  for (const char* reply : {"加入成功", "您已加入该对接"}) {
    answer("/yh_zs_jr/", reply);
    item(page.joinMenu(), "加入专属(J)")->trigger();
    EXPECT_EQ(dialogs.texts().back(), QString::fromUtf8(reply));
  }
  EXPECT_EQ(targetsStartingWith("/yh_zs_jr/"),
            Targets(2, "/yh_zs_jr/username=demo01&password=pw&d=FIRST12345678"));
  EXPECT_EQ(targetsStartingWith("/yh_zs_gk_lb/").size(), 1u);  // the list is not reloaded

  item(page.joinMenu(), "刷新(R)")->trigger();
  EXPECT_TRUE(waitUntil([&] { return targetsStartingWith("/yh_zs_gk_lb/").size() == 2; }));
}

TEST_F(PublicDockingPageTest, TheFindsWalkTheNamesAndSayWhatTheyCannotFind) {
  load();
  findBox()->setText("甲");
  struct Step {
    const char* button;
    int selected;  // -1: not found
    int cursor;
  };
  const Step steps[] = {
      {"查找", 0, 0}, {"查找下一个", 2, 2}, {"查找下一个", -1, 3}, {"查找上一个", 2, 2}};
  for (const Step& step : steps) {
    list()->clearSelection();
    click(step.button);
    EXPECT_EQ(session.publicFindCursor, step.cursor) << step.button;
    if (step.selected >= 0) {
      EXPECT_EQ(list()->currentItem(), list()->topLevelItem(step.selected)) << step.button;
      EXPECT_TRUE(list()->currentItem()->isSelected());
      EXPECT_TRUE(list()->hasFocus());
    }
  }
  ASSERT_EQ(dialogs.shown().size(), 1u);
  EXPECT_EQ(dialogs.shown()[0].text, "找不到：甲");
  EXPECT_EQ(dialogs.shown()[0].caption, "信息：");
  EXPECT_EQ(dialogs.shown()[0].icon, MessageIcon::None);

  // The text is used as typed, and only the names are searched.
  for (const char* findText : {" 甲", "FIRST"}) {
    findBox()->setText(QString::fromUtf8(findText));
    click("查找");
    EXPECT_EQ(dialogs.texts().back(), QString("找不到：") + QString::fromUtf8(findText));
  }

  findBox()->setText("");  // an empty find text finds every row with a name
  click("查找");
  EXPECT_EQ(list()->currentItem(), list()->topLevelItem(0));
  click("查找下一个");
  EXPECT_EQ(list()->currentItem(), list()->topLevelItem(1));
  load();  // loading leaves the cursor where it was
  EXPECT_EQ(session.publicFindCursor, 1);
}

}  // namespace
}  // namespace verdomo::test
