// The catalogue's loads and favourite operations and the project application when the platform
// cannot be reached: each says so in words, and the rows and boxes stay as they were.
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <functional>

#include "projects/apply_project_window.h"
#include "projects/project_list_page.h"
#include "projects_fixture.h"
#include "support/platform_outage.h"

namespace verdomo::test {
namespace {

class ProjectsOutage : public ProjectsFixture, public testing::WithParamInterface<Outage> {
 protected:
  // From here on every request meets the outage.
  void loseThePlatform() {
    session.addresses = outage.addresses();
    context.pacing = PlatformOutage::pacing();
  }
  PlatformOutage outage{GetParam()};
};

class CatalogueOutage : public ProjectsOutage {
 protected:
  CatalogueOutage() { page.show(); }

  QTreeWidget* list() const { return page.findChild<QTreeWidget*>("超级列表框_项目列表_收短信"); }
  QCheckBox* favouritesBox() const { return page.findChild<QCheckBox*>("选择框_已收藏项目列表"); }
  void click(const char* button) {
    page.findChild<QPushButton*>(QString::fromUtf8(button))->click();
  }
  std::vector<QStringList> rows() const {
    std::vector<QStringList> result;
    for (int i = 0; i < list()->topLevelItemCount(); ++i) {
      QStringList cells;
      for (int column = 0; column < 5; ++column)
        cells << list()->topLevelItem(i)->text(column);
      result.push_back(cells);
    }
    return result;
  }

  ProjectListPage page{context};
};

// A load empties the list before its request, as every load does; one that got no reply then
// says why the list stayed empty.
TEST_P(CatalogueOutage, ALoadThatGetsNoReplySaysSo) {
  const std::pair<const char*, std::function<void()>> loads[] = {
      {"refresh", [&] { click("按钮_项目列表_收短信_刷新"); }},
      {"search",
       [&] {
         page.findChild<QLineEdit*>("编辑框_项目列表_收短信_搜索项目")->setText("某站");
         click("按钮_项目列表_收短信_搜索");
       }},
      {"favourites", [&] { favouritesBox()->click(); }},
  };
  answer("/liebiao_xm/", "1001#c-甲#c-0.5#c-x#c-0");
  click("按钮_项目列表_收短信_刷新");
  ASSERT_EQ(list()->topLevelItemCount(), 1);
  loseThePlatform();
  for (const auto& [name, load] : loads) {
    dialogs.clear();
    load();
    EXPECT_EQ(dialogs.texts(), std::vector<QString>{outage.sentence()}) << name;
    EXPECT_EQ(list()->topLevelItemCount(), 0) << name;
    EXPECT_TRUE(page.isEnabled()) << name;
  }
  EXPECT_EQ(page.findChild<QLineEdit*>("编辑框_项目列表_收短信_搜索项目")->text(), "某站");
}

TEST_P(CatalogueOutage, AddingAFavouriteSaysSoAndTicksNothing) {
  answer("/liebiao_xm/", "1001#c-甲#c-0.5#c-x#c-0#c+1002#c-乙#c-1#c-x#c-1");
  click("按钮_项目列表_收短信_刷新");
  const std::vector<QStringList> before = rows();
  ASSERT_EQ(before.size(), 2u);
  loseThePlatform();
  list()->setCurrentItem(list()->topLevelItem(0));
  page.addFavouriteMenu()->actions().at(0)->trigger();
  EXPECT_EQ(dialogs.texts(), std::vector<QString>{outage.sentence()});
  EXPECT_EQ(dialogs.shown().back().caption, "信息：");
  EXPECT_EQ(rows(), before);
  EXPECT_EQ(outage.requestCount(), GetParam() == Outage::SilentServer ? 1u : 0u);
}

TEST_P(CatalogueOutage, RemovingAFavouriteSaysSoAndKeepsTheRow) {
  answer(kReceiveFavouritesTarget, "1000#c-甲#c-0.5#c+1001#c-乙#c-0.5");
  favouritesBox()->click();
  const std::vector<QStringList> before = rows();
  ASSERT_EQ(before.size(), 2u);
  loseThePlatform();
  list()->setCurrentItem(list()->topLevelItem(1));
  page.removeFavouriteMenu()->actions().at(0)->trigger();
  EXPECT_EQ(dialogs.texts(), std::vector<QString>{outage.sentence()});
  EXPECT_EQ(rows(), before);
  EXPECT_TRUE(favouritesBox()->isChecked());
  EXPECT_TRUE(page.isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Outages, CatalogueOutage,
                         testing::Values(Outage::ClosedPort, Outage::SilentServer), outageName);

class ApplicationOutage : public ProjectsOutage {
 protected:
  ApplicationOutage() {
    window.show();
    loseThePlatform();
  }
  template <typename T>
  T* control(const char* name) const {
    return window.findChild<T*>(QString::fromUtf8(name));
  }

  ApplyProjectWindow window{context};
};

// Both forms: the sentence, and the boxes as typed, ready to be sent again.
TEST_P(ApplicationOutage, BothFormsSaySoAndKeepTheirBoxes) {
  struct Form {
    const char* radio;
    const char* nameBox;
    const char* secondBox;
    const char* button;
  };
  const Form forms[] = {
      {"单选框1", "编辑框_收码项目名", "编辑框_收码短信模板", "按钮_收码添加"},
      {"单选框2", "编辑框_发码项目名称", "编辑框_发码发送号码", "按钮_发码添加"},
  };
  for (const Form& form : forms) {
    dialogs.clear();
    control<QRadioButton>(form.radio)->click();
    control<QLineEdit>(form.nameBox)->setText("某站 注册");
    control<QPlainTextEdit>(form.secondBox)->setPlainText("10690#10691\n第二行");
    control<QPushButton>(form.button)->click();
    EXPECT_EQ(dialogs.texts(), std::vector<QString>{outage.sentence()}) << form.button;
    EXPECT_EQ(control<QLineEdit>(form.nameBox)->text(), "某站 注册") << form.button;
    EXPECT_EQ(control<QPlainTextEdit>(form.secondBox)->toPlainText(), "10690#10691\n第二行")
        << form.button;
    EXPECT_TRUE(window.isVisible()) << form.button;
  }
  EXPECT_EQ(outage.requestCount(), GetParam() == Outage::SilentServer ? 2u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Outages, ApplicationOutage,
                         testing::Values(Outage::ClosedPort, Outage::SilentServer), outageName);

}  // namespace
}  // namespace verdomo::test
