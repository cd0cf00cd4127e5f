// The pages' actions when the platform cannot be reached: each says so in words instead of an
// empty message, and leaves its boxes and lists as they were.
#include <QGroupBox>
#include <QMenu>
#include <QPlainTextEdit>
#include <QToolButton>

#include "docking/docking_page.h"
#include "docking/public_docking_page.h"
#include "gui/docking_fixture.h"
#include "gui/receive_fixture.h"
#include "gui/send_fixture.h"
#include "support/platform_outage.h"
#include "ui/worker_threads.h"

namespace verdomo::test {
namespace {

QAction* menuItem(const QMenu* menu, const char* caption) {
  for (QAction* action : menu->actions()) {
    if (action->text() == QString::fromUtf8(caption)) return action;
  }
  return nullptr;
}

class ReceiveOutage : public ReceiveFixture, public testing::WithParamInterface<Outage> {
 protected:
  // From here on every request meets the outage.
  void loseThePlatform() {
    session.addresses = outage.addresses();
    context.pacing = PlatformOutage::pacing();
  }
  PlatformOutage outage{GetParam()};
};

TEST_P(ReceiveOutage, TakesSayTheyGotNoReply) {
  loseThePlatform();
  ASSERT_TRUE(take("2", [&] { return !dialogs.shown().empty(); }));
  EXPECT_EQ(dialogs.texts(), std::vector<QString>{outage.sentence()});
  EXPECT_EQ(rowCount(), 0);
  EXPECT_TRUE(takeButton()->isEnabled());

  dialogs.clear();
  control<QLineEdit>("编辑框_取号_指定")->setText("13912345678");
  control<QPushButton>("按钮_取号_指定")->click();
  EXPECT_EQ(dialogs.texts(), std::vector<QString>{outage.sentence()});
  EXPECT_EQ(control<QLineEdit>("编辑框_取号_指定")->text(), "13912345678");
  EXPECT_EQ(rowCount(), 0);
}

// Reuse, release and blacklist of one row: the row stays as it was, to be tried again.
TEST_P(ReceiveOutage, OneRowsOperationsSaySoAndKeepTheRow) {
  answer("/yh_qh/", "1|13800138000");
  ASSERT_TRUE(take("1", [&] { return rowCount() == 1; }));
  loseThePlatform();
  auto* menu = page->findChild<QMenu*>("取号功能");
  for (const char* item : {"再次使用号码", "释放号码", "拉黑号码"}) {
    dialogs.clear();
    const bool asks = std::string(item) != "再次使用号码";
    if (asks) dialogs.queueAnswer(true);
    selectRow(0);
    menuItem(menu, item)->trigger();
    std::vector<QString> expected{outage.sentence()};
    if (asks) expected.insert(expected.begin(), QString::fromUtf8(item));
    EXPECT_EQ(dialogs.texts(), expected) << item;
    ASSERT_EQ(rowCount(), 1) << item;
    EXPECT_EQ(cell(0, 1), "13800138000") << item;
    EXPECT_EQ(cell(0, 4), "") << item;
  }
}

INSTANTIATE_TEST_SUITE_P(Outages, ReceiveOutage,
                         testing::Values(Outage::ClosedPort, Outage::SilentServer), outageName);

class SendOutage : public SendFixture, public testing::WithParamInterface<Outage> {
 protected:
  void loseThePlatform() {
    session.addresses = outage.addresses();
    context.pacing = PlatformOutage::pacing();
  }
  PlatformOutage outage{GetParam()};
};

TEST_P(SendOutage, TakesSayTheyGotNoReply) {
  loseThePlatform();
  click("按钮_发短信_获取号码");
  EXPECT_EQ(dialogs.texts(), std::vector<QString>{outage.sentence()});
  EXPECT_EQ(text("编辑框_发短信_获取号码"), "");

  dialogs.clear();
  edit("编辑框_发短信_指定")->setText("13912345678");
  click("按钮_发短信_指定");
  EXPECT_EQ(dialogs.texts(), std::vector<QString>{outage.sentence()});
  EXPECT_EQ(text("编辑框_发短信_指定"), "13912345678");
  EXPECT_EQ(text("编辑框_发短信_取号时间"), "");
}

TEST_P(SendOutage, SendReleaseAndBlacklistSaySoAndKeepTheNumber) {
  takeNumber();
  ASSERT_EQ(text("编辑框_发短信_获取号码"), "13800138000");
  const QString takeTime = text("编辑框_发短信_取号时间");
  loseThePlatform();
  edit("编辑框_发短信_发送内容")->setText("你好");
  click("按钮_发短信_提交发短信内容");
  EXPECT_EQ(dialogs.texts(), std::vector<QString>{outage.sentence()});
  for (const char* button : {"按钮_发短信_全部释放", "按钮_发短信_全部加黑"}) {
    dialogs.clear();
    dialogs.queueAnswer(true);
    click(button);
    ASSERT_EQ(dialogs.texts().size(), 2u) << button;
    EXPECT_EQ(dialogs.texts()[1], outage.sentence()) << button;
  }
  EXPECT_EQ(text("编辑框_发短信_获取号码"), "13800138000");
  EXPECT_EQ(text("编辑框_发短信_发送内容"), "你好");
  EXPECT_EQ(text("编辑框_发短信_取号时间"), takeTime);
}

INSTANTIATE_TEST_SUITE_P(Outages, SendOutage,
                         testing::Values(Outage::ClosedPort, Outage::SilentServer), outageName);

class DockingOutage : public DockingFixture, public testing::WithParamInterface<Outage> {
 protected:
  DockingOutage() {
    page.show();
    page.refreshDockingList();
    session.addresses = outage.addresses();
    context.pacing = PlatformOutage::pacing();
  }
  QTreeWidget* list() const { return control<QTreeWidget>(&page, "超级列表框_专属列表"); }

  PlatformOutage outage{GetParam()};
  DockingPage page{context};
};

TEST_P(DockingOutage, JoinPauseAndDeleteSaySoAndLeaveTheList) {
  auto* codeBox = control<QLineEdit>(&page, "编辑框_加入对接");
  control<QToolButton>(&page, "超级按钮_加入对接")->click();
  codeBox->setText("ABCDEFGHJKLMN");
  control<QPushButton>(&page, "按钮_加入对接")->click();
  EXPECT_EQ(dialogs.texts(), std::vector<QString>{outage.sentence()});
  EXPECT_EQ(codeBox->text(), "ABCDEFGHJKLMN");
  EXPECT_TRUE(control<QGroupBox>(&page, "分组框_加入对接")->isVisible());

  for (const char* item : {"暂停对接", "删除对接"}) {
    dialogs.clear();
    dialogs.queueAnswer(true);
    selectRow(list(), 0);
    if (std::string(item) == "暂停对接") {
      page.pauseDocking();
    } else {
      page.deleteDocking();
    }
    ASSERT_EQ(dialogs.texts().size(), 2u) << item;
    EXPECT_EQ(dialogs.texts()[1], outage.sentence()) << item;
  }
  EXPECT_EQ(column(list(), 0), (QStringList{"ACTIVE1234567", "PAUSED1234567", "REVIEW1234567"}));
  EXPECT_EQ(column(list(), 4), (QStringList{"正常", "暂停", "审核中"}));
}

TEST_P(DockingOutage, ARefreshThatGetsNoReplySaysSo) {
  control<QToolButton>(&page, "超级按钮_专属_刷新")->click();
  EXPECT_EQ(dialogs.texts(), std::vector<QString>{outage.sentence()});
  EXPECT_EQ(list()->topLevelItemCount(), 0);
  EXPECT_TRUE(page.window()->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Outages, DockingOutage,
                         testing::Values(Outage::ClosedPort, Outage::SilentServer), outageName);

class PublicDockingOutage : public DockingFixture, public testing::WithParamInterface<Outage> {
 protected:
  PublicDockingOutage() {
    page.show();
    page.startPublicDockingWorker();
    waitForWorkerThreads(std::chrono::seconds(5));
    QCoreApplication::processEvents();  // the rows the worker posted
    session.addresses = outage.addresses();
    context.pacing = PlatformOutage::pacing();
  }
  QTreeWidget* list() const { return control<QTreeWidget>(&page, "超级列表框_公开专属列表"); }

  PlatformOutage outage{GetParam()};
  PublicDockingPage page{context};
};

TEST_P(PublicDockingOutage, AJoinSaysSoAndLeavesTheList) {
  ASSERT_EQ(list()->topLevelItemCount(), 3);
  selectRow(list(), 1);
  item(page.joinMenu(), "加入专属(J)")->trigger();
  EXPECT_EQ(dialogs.texts(), std::vector<QString>{outage.sentence()});
  EXPECT_EQ(dialogs.shown().back().caption, "信息：");
  EXPECT_EQ(column(list(), 0), (QStringList{"FIRST12345678", "SECOND1234567", "THIRD12345678"}));
  EXPECT_EQ(list()->currentItem(), list()->topLevelItem(1));
  EXPECT_EQ(outage.requestCount(), GetParam() == Outage::SilentServer ? 1u : 0u);
}

// The list is loaded because the user asked for it: one that stays empty for want of a reply
// says so once the window is enabled again.
TEST_P(PublicDockingOutage, ALoadThatGetsNoReplySaysSo) {
  item(page.joinMenu(), "刷新(R)")->trigger();
  ASSERT_TRUE(waitForWorkerThreads(std::chrono::seconds(10)));
  QCoreApplication::processEvents();
  EXPECT_EQ(dialogs.texts(), std::vector<QString>{outage.sentence()});
  EXPECT_EQ(list()->topLevelItemCount(), 0);
  EXPECT_TRUE(page.window()->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Outages, PublicDockingOutage,
                         testing::Values(Outage::ClosedPort, Outage::SilentServer), outageName);

// Answers that did arrive are shown as they are, the empty one too.
TEST_F(SendFixture, AnEmptyAnswerToASendIsShownEmpty) {
  takeNumber();
  answer("/", "");  // the send, whatever its path
  edit("编辑框_发短信_发送内容")->setText("你好");
  click("按钮_发短信_提交发短信内容");
  EXPECT_EQ(dialogs.texts(), std::vector<QString>{""});
}

}  // namespace
}  // namespace verdomo::test
