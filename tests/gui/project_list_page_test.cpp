#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include "projects/project_list_page.h"
#include "projects_fixture.h"
#include "support/case_name.h"

namespace verdomo::test {
namespace {

constexpr const char* kCatalogueTarget = "/liebiao_xm/username=demo01&password=pw&lx=1&ss=";

class ProjectListPageTest : public ProjectsFixture {
 protected:
  ProjectListPageTest() { page.show(); }

  QTreeWidget* list() const { return page.findChild<QTreeWidget*>("超级列表框_项目列表_收短信"); }
  QCheckBox* favouritesBox() const { return page.findChild<QCheckBox*>("选择框_已收藏项目列表"); }
  void click(const char* button) {
    page.findChild<QPushButton*>(QString::fromUtf8(button))->click();
  }
  std::vector<QStringList> rows() const {
    std::vector<QStringList> result;
    for (int i = 0; i < list()->topLevelItemCount(); ++i) {
      const QTreeWidgetItem* item = list()->topLevelItem(i);
      QStringList cells;
      for (int column = 0; column < 5; ++column)
        cells << item->text(column);
      result.push_back(cells);
    }
    return result;
  }
  void selectRow(int row) { list()->setCurrentItem(list()->topLevelItem(row)); }
  // Right-clicks the list as the user does and says which menu came up, if any.
  QMenu* rightClick() {
    emit list()->customContextMenuRequested(QPoint(10, 10));
    for (QMenu* menu : {page.addFavouriteMenu(), page.removeFavouriteMenu()}) {
      if (menu->isVisible()) {
        menu->hide();
        return menu;
      }
    }
    return nullptr;
  }
  void loadCatalogue(const std::string& reply) {
    answer("/liebiao_xm/", reply);
    click("按钮_项目列表_收短信_刷新");
  }

  ProjectListPage page{context};
};

TEST_F(ProjectListPageTest, RefreshShowsTheRecordsOfAtLeastFiveFields) {
  favouritesBox()->setChecked(true);
  loadCatalogue(
      "1001#c-项目 A#c-0.50#c-x#c-0#c+"
      "1002#c-某\xE3\x80\x80站#c-1.00#c-x#c-1#c+"
      "1003#c-四个字段#c-0.1#c-x#c+"
      "1004#c-七个字段#c-0.2#c-x#c-2#c-6#c-7#c+"
      "1005#c-空标记#c-0.3#c-x#c-#c-more#c+"
      "2001#c-某服务(发送号码:10690#10691)#c-0.10#c-x#c-0#c+"
      "1006#c-发送验证#c-0.4#c-x#c-0#c+");
  const std::vector<QStringList> expected{
      {"1001", "项目A", "0.50", "收短信", ""},
      {"1002", "某站", "1.00", "收短信", "√"},
      {"1004", "七个字段", "0.2", "收短信", "√"},
      {"1005", "空标记", "0.3", "收短信", "√"},
      {"2001", "某服务(发送号码:10690#10691)", "0.10", "发短信", ""},
      {"1006", "发送验证", "0.4", "收短信", ""},
  };
  EXPECT_EQ(rows(), expected);
  EXPECT_EQ(targets(), std::vector<std::string>{kCatalogueTarget});
  EXPECT_FALSE(favouritesBox()->isChecked());
  EXPECT_FALSE(page.findChild<QProgressBar*>("进度条1")->isVisible());
  EXPECT_TRUE(page.isEnabled());
  EXPECT_TRUE(dialogs.shown().empty());
}

// What the page looked like at the moment the platform received a load's request.
struct SeenAtRequest {
  bool windowEnabled = true;
  bool barVisible = false;
  int barValue = 0;
};

TEST_F(ProjectListPageTest, EveryLoadRunsTheBusyBarBeforeItsRequest) {
  auto* bar = page.findChild<QProgressBar*>("进度条1");
  std::vector<int> barSteps;
  QObject::connect(bar, &QProgressBar::valueChanged, [&](int value) { barSteps.push_back(value); });
  // The replies come late; a timer on the UI thread, which keeps running while the page waits,
  // notes what the page shows once the request has reached the platform.
  std::optional<SeenAtRequest> seen;
  const auto look = [&] { seen = {page.isEnabled(), bar->isVisible(), bar->value()}; };
  const std::pair<const char*, std::function<void()>> loads[] = {
      {"refresh", [&] { click("按钮_项目列表_收短信_刷新"); }},
      {"search",
       [&] {
         page.findChild<QLineEdit*>("编辑框_项目列表_收短信_搜索项目")->setText("x");
         click("按钮_项目列表_收短信_搜索");
       }},
      {"favourites", [&] { favouritesBox()->click(); }},
      {"remove",
       [&] {
         selectRow(0);
         page.removeFavourite();
       }},
  };
  const std::chrono::milliseconds late(100);
  answer("/liebiao_xm/", "1001#c-甲#c-0.5#c-x#c-1", late);
  answer(kReceiveFavouritesTarget, "1001#c-甲#c-0.5", late);
  answer("/xiangmu_qxsc/", "成功", late);
  for (const auto& [name, load] : loads) {
    seen.reset();
    barSteps.clear();
    QTimer probe;
    const std::size_t before = server.requests().size();
    QObject::connect(&probe, &QTimer::timeout, [&, before] {
      if (server.requests().size() > before && !seen) look();
    });
    probe.start(1);
    load();
    probe.stop();
    ASSERT_TRUE(seen.has_value()) << name;
    EXPECT_FALSE(seen->windowEnabled) << name;
    EXPECT_TRUE(seen->barVisible) << name;
    EXPECT_EQ(seen->barValue, 100) << name;
    ASSERT_GE(barSteps.size(), 5u) << name;
    EXPECT_EQ(std::vector<int>(barSteps.begin(), barSteps.begin() + 5),
              (std::vector<int>{20, 40, 60, 80, 100}))
        << name;
    EXPECT_FALSE(bar->isVisible()) << name;
    EXPECT_TRUE(page.isEnabled()) << name;
  }
}

TEST_F(ProjectListPageTest, EveryLoadStartsFromAnEmptyList) {
  loadCatalogue("1001#c-甲#c-0.5#c-x#c-0");
  ASSERT_EQ(list()->topLevelItemCount(), 1);
  for (const char* reply : {"0|用户名或密码错误", ""}) {
    loadCatalogue(reply);
    EXPECT_EQ(list()->topLevelItemCount(), 0) << reply;
  }
  EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(ProjectListPageTest, SearchSendsTheTextAsTypedAndRefusesAnEmptyBox) {
  loadCatalogue("1001#c-甲#c-0.5#c-x#c-0");
  auto* searchBox = page.findChild<QLineEdit*>("编辑框_项目列表_收短信_搜索项目");
  click("按钮_项目列表_收短信_搜索");
  EXPECT_EQ(dialogs.texts(), std::vector<QString>{"请输入搜索内容"});
  EXPECT_EQ(dialogs.shown().at(0).caption, "信息：");
  EXPECT_EQ(list()->topLevelItemCount(), 1);  // the list keeps its rows
  EXPECT_EQ(server.requests().size(), 1u);

  answer("/liebiao_xm/", "1002#c-乙#c-0.5#c-x#c-0");
  for (const auto& [typed, sent] : std::vector<std::pair<QString, std::string>>{
           {"  ", "%20%20"}, {"小说", "%E5%B0%8F%E8%AF%B4"}, {"1002", "1002"}}) {
    searchBox->setText(typed);
    click("按钮_项目列表_收短信_搜索");
    EXPECT_EQ(server.requests().back().target, kCatalogueTarget + sent);
    EXPECT_EQ(searchBox->text(), typed);
    EXPECT_EQ(rows(), (std::vector<QStringList>{{"1002", "乙", "0.5", "收短信", ""}}));
  }
}

constexpr int kCurrentButNotSelected = -2;  // row 1 (ID 1000) current, nothing selected

struct MenuCase {
  const char* name;
  int selectedRow;  // -1: none
  bool favouritesShown;
  const char* menu;  // nullptr: no menu
};

class ProjectMenuTest : public ProjectListPageTest, public testing::WithParamInterface<MenuCase> {};

TEST_P(ProjectMenuTest, OffersTheMenuOfTheViewForIdsFrom1000) {
  const std::string catalogue =
      "999#c-甲#c-0.5#c-x#c-0#c+1000#c-乙#c-0.5#c-x#c-0#c+abc#c-丙#c-1#c-x#c-0";
  const std::string favourites = "999#c-甲#c-0.5#c+1000#c-乙#c-0.5#c+abc#c-丙#c-1";
  loadCatalogue(catalogue);
  if (GetParam().favouritesShown) {
    answer(kReceiveFavouritesTarget, favourites);
    favouritesBox()->click();
    ASSERT_EQ(list()->topLevelItemCount(), 3);
  }
  if (GetParam().selectedRow >= 0) selectRow(GetParam().selectedRow);
  if (GetParam().selectedRow == kCurrentButNotSelected) {
    list()->setCurrentItem(list()->topLevelItem(1), 0, QItemSelectionModel::NoUpdate);
  }
  QMenu* menu = rightClick();
  if (GetParam().menu == nullptr) {
    EXPECT_EQ(menu, nullptr);
  } else {
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), QString::fromUtf8(GetParam().menu));
    ASSERT_EQ(menu->actions().size(), 1);
    EXPECT_EQ(menu->actions().at(0)->text(),
              GetParam().favouritesShown ? "取消收藏(A)" : "收藏(S)");
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, ProjectMenuTest,
                         testing::Values(MenuCase{"Id999", 0, false, nullptr},
                                         MenuCase{"Id1000", 1, false, "短信收藏项目"},
                                         MenuCase{"NotANumber", 2, false, nullptr},
                                         MenuCase{"NoSelection", -1, false, nullptr},
                                         MenuCase{"CurrentButNotSelected", kCurrentButNotSelected,
                                                  false, nullptr},
                                         MenuCase{"FavouritesId1000", 1, true, "取消收藏项目"},
                                         MenuCase{"FavouritesId999", 0, true, nullptr}),
                         caseName<MenuCase>);

TEST_F(ProjectListPageTest, AfterTheFavouritesViewARefreshOffersAddingAgain) {
  answer(kReceiveFavouritesTarget, "1000#c-乙#c-0.5");
  favouritesBox()->click();
  selectRow(0);
  EXPECT_EQ(rightClick(), page.removeFavouriteMenu());
  loadCatalogue("1000#c-乙#c-0.5#c-x#c-1");
  selectRow(0);
  EXPECT_EQ(rightClick(), page.addFavouriteMenu());
}

TEST_F(ProjectListPageTest, TheFavouritesViewListsEveryFavouriteAndUntickingReloads) {
  answer(kReceiveFavouritesTarget,
         "1001#c-项 目#c-0.5#c+2001#c-某服务(发送号码:1#2)#c-0.1#c-extra#c+1002#c-缺价格");
  favouritesBox()->click();
  const std::vector<QStringList> favourites{{"1001", "项目", "0.5", "收短信", "√"},
                                            {"2001", "某服务(发送号码:1#2)", "0.1", "发短信", "√"}};
  EXPECT_EQ(rows(), favourites);
  EXPECT_EQ(targets().back(), kReceiveFavouritesTarget);
  EXPECT_TRUE(page.isEnabled());

  loadCatalogue("1003#c-丙#c-1#c-x#c-0");
  favouritesBox()->setChecked(true);
  favouritesBox()->click();  // unticked: the catalogue again
  EXPECT_EQ(targets().back(), kCatalogueTarget);
  EXPECT_EQ(rows(), (std::vector<QStringList>{{"1003", "丙", "1", "收短信", ""}}));
}

TEST_F(ProjectListPageTest, AddingAFavouriteTicksTheRowOnSuccessOnly) {
  loadCatalogue("1001#c-项目 A#c-0.50#c-x#c-0#c+1002#c-乙#c-1#c-x#c-0");
  answer("/xiangmu_shouchan/", "收藏成功");
  selectRow(0);
  page.addFavouriteMenu()->actions().at(0)->trigger();
  EXPECT_EQ(list()->topLevelItem(0)->text(4), "√");
  // The cells as shown, joined by "#c-" (escaped on the wire), spaces already gone.
  EXPECT_EQ(
      server.requests().back().target,
      "/xiangmu_shouchan/username=demo01&password=pw&id=1001%23c-%E9%A1%B9%E7%9B%AEA%23c-0.50");
  EXPECT_TRUE(dialogs.shown().empty());

  answer("/xiangmu_shouchan/", "0|已 收藏过");
  selectRow(1);
  page.addFavourite();
  EXPECT_EQ(list()->topLevelItem(1)->text(4), "");
  EXPECT_EQ(dialogs.texts(), std::vector<QString>{"0|已 收藏过"});  // the reply as it came
}

TEST_F(ProjectListPageTest, AddingWithoutASelectedRowSendsNothingAndShowsAnEmptyMessage) {
  loadCatalogue("1001#c-甲#c-0.5#c-x#c-0");
  list()->setCurrentItem(nullptr);
  page.addFavourite();
  EXPECT_EQ(dialogs.texts(), std::vector<QString>{""});
  EXPECT_EQ(server.requests().size(), 1u);
}

TEST_F(ProjectListPageTest, RemovingAFavouriteDeletesTheRowOnSuccessOnly) {
  answer(kReceiveFavouritesTarget, "999#c-甲#c-0.5#c+1000#c-乙#c-0.5#c+1001#c-丙#c-0.5");
  favouritesBox()->click();
  const std::size_t loads = server.requests().size();

  selectRow(0);
  page.removeFavourite();  // below 1000: nothing is sent
  EXPECT_EQ(server.requests().size(), loads);

  answer("/xiangmu_qxsc/", "取消失败");
  selectRow(2);
  page.removeFavouriteMenu()->actions().at(0)->trigger();
  EXPECT_EQ(server.requests().back().target, "/xiangmu_qxsc/username=demo01&password=pw&id=1001");
  EXPECT_EQ(list()->topLevelItemCount(), 3);  // refused quietly
  EXPECT_TRUE(dialogs.shown().empty());

  answer("/xiangmu_qxsc/", "取消成功");
  selectRow(1);
  page.removeFavourite();
  EXPECT_EQ(server.requests().back().target, "/xiangmu_qxsc/username=demo01&password=pw&id=1000");
  EXPECT_EQ(rows(), (std::vector<QStringList>{{"999", "甲", "0.5", "收短信", "√"},
                                              {"1001", "丙", "0.5", "收短信", "√"}}));
  EXPECT_TRUE(page.isEnabled());
}

}  // namespace
}  // namespace verdomo::test
