#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>

#include "api/service_address.h"
#include "app/developer_api_window.h"
#include "app/main_window.h"
#include "funds/change_password_window.h"
#include "funds/profile_window.h"
#include "funds/recharge_window.h"
#include "funds/security_question_window.h"
#include "funds/withdraw_window.h"
#include "projects/apply_project_window.h"
#include "support/case_name.h"
#include "support/modal_windows.h"
#include "support/recording_dialogs.h"
#include "support/scripted_platform.h"

namespace verdomo::test {
namespace {

// Receives the links the client hands to the system's URL handler.
class LinkCatcher : public QObject {
  Q_OBJECT

 public:
  std::vector<QUrl> opened;
 public slots:
  void open(const QUrl& url) { opened.push_back(url); }
};

class MainWindowTest : public testing::Test {
 protected:
  MainWindowTest() {
    session.userName = "demo01";
    session.balance = "88.50";
    session.withdrawable = "20.00";
    session.clientVersion = "1.6";
    session.supportQq = "800900";
    session.serverHost = "10.1.2.3";
    // Nothing listens on the plain platform ports of this machine: the workers' requests are
    // refused at once.
    session.addresses = buildServiceAddresses("127.0.0.1");
  }

  void openWindow() {
    window = std::make_unique<MainWindow>(context, login);
    window->show();
    ASSERT_TRUE(waitUntil([&] { return !window->statusPart(0)->text().isEmpty(); }));
    // The favourites workers of the first activation disable the window while they run; the
    // tests click only once they are done.
    auto* receiveProjects = window->findChild<QComboBox*>("组合框_取号_项目列表");
    auto* sendProjects = window->findChild<QComboBox*>("组合框_发短信_项目列表");
    ASSERT_TRUE(waitUntil([&] {
      return receiveProjects->count() == 1 && sendProjects->count() == 1 && window->isEnabled();
    }));
  }
  QToolButton* button(const char* name) const {
    return window->findChild<QToolButton*>(QString::fromUtf8(name));
  }
  QAction* action(QMenu* menu, const char* text) const {
    for (QAction* item : menu->actions()) {
      if (item->text() == QString::fromUtf8(text)) return item;
    }
    return nullptr;
  }

  SessionState session;
  RecordingDialogs dialogs;
  SystemClock clock;
  int clientEnded = 0;
  AppContext context{{}, {}, session, dialogs, clock, Pacing{0.01}, [this] { ++clientEnded; }};
  QPointer<QWidget> login = new QWidget;
  std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowTest, FirstActivationFillsTheStatusBarAndTheRegionLists) {
  openWindow();
  EXPECT_TRUE(waitUntil([&] { return login.isNull(); }));  // the login window is destroyed
  const QString parts[] = {"用户:demo01", "余额:88.50", "可提现:20.00", "版本:1.6",
                           "客服QQ:800900"};
  for (int i = 0; i < 5; ++i)
    EXPECT_EQ(window->statusPart(i)->text(), parts[i]);
  EXPECT_TRUE(window->windowTitle().startsWith("Verdomo客户端      官网"));
  EXPECT_TRUE(window->windowTitle().endsWith(" 客服QQ：800900"));
  EXPECT_EQ(session.receiveLoopFlag, "1");
  EXPECT_EQ(session.sendLoopFlag, "1");
  // Both favourites workers run at the first activation; without a platform they leave their
  // placeholders, and the window comes back enabled with the focus where it was put.
  auto* receiveProjects = window->findChild<QComboBox*>("组合框_取号_项目列表");
  auto* sendProjects = window->findChild<QComboBox*>("组合框_发短信_项目列表");
  ASSERT_TRUE(waitUntil([&] {
    return receiveProjects->count() == 1 && sendProjects->count() == 1 && window->isEnabled();
  }));
  EXPECT_TRUE(receiveProjects->itemText(0).startsWith("您未收藏[短信项目]"));
  EXPECT_TRUE(sendProjects->itemText(0).startsWith("您未收藏[发短信项目]"));
  EXPECT_EQ(window->focusWidget(), button("超级按钮_收短信"));

  for (const char* name : {"组合框_地区", "组合框_地区1"}) {
    auto* regions = window->findChild<QComboBox*>(QString::fromUtf8(name));
    ASSERT_NE(regions, nullptr) << name;
    ASSERT_EQ(regions->count(), 34) << name;
    EXPECT_EQ(regions->currentIndex(), 0);
    EXPECT_EQ(regions->itemText(0), "默认");
    EXPECT_EQ(regions->itemData(0).toInt(), 0);
    EXPECT_EQ(regions->itemText(1), "北京");
    EXPECT_EQ(regions->itemText(10), "辽宁");
    EXPECT_EQ(regions->itemText(17), "辽宁");
    EXPECT_EQ(regions->itemData(17).toInt(), 17);
    EXPECT_EQ(regions->itemText(33), "香港");
    EXPECT_EQ(regions->itemData(33).toInt(), 33);
    EXPECT_EQ(regions->findText("青海"), -1);
    EXPECT_EQ(regions->findText("台湾"), -1);
  }
}

struct NavigationCase {
  const char* name;
  const char* button;
  int page;  // -1: the page stays
  bool takesFocus;
};

class Navigation : public MainWindowTest, public testing::WithParamInterface<NavigationCase> {};

TEST_P(Navigation, SelectsItsPageAndMovesTheFocus) {
  openWindow();
  QToolButton* start = button("超级按钮_收短信");
  window->findChild<QToolButton*>("超级按钮_发短信")->click();  // leave page 3 first
  start->click();
  ASSERT_EQ(window->currentPage(), kReceivePage);
  QToolButton* pressed = button(GetParam().button);
  ASSERT_NE(pressed, nullptr);
  pressed->click();
  EXPECT_EQ(window->currentPage(), GetParam().page < 0 ? kReceivePage : GetParam().page);
  EXPECT_EQ(window->focusWidget(), GetParam().takesFocus ? pressed : start);
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, Navigation,
    testing::Values(NavigationCase{"Receive", "超级按钮_收短信", kReceivePage, true},
                    NavigationCase{"Send", "超级按钮_发短信", kSendPage, true},
                    NavigationCase{"Projects", "超级按钮_项目列表", kProjectListPage, true},
                    NavigationCase{"Docking", "超级按钮_专属对接", kDockingPage, true},
                    NavigationCase{"PublicDocking", "超级按钮_公开对接", kPublicDockingPage, true},
                    NavigationCase{"SecurityMenu", "超级按钮_安全中心", -1, false},
                    NavigationCase{"FundsMenu", "超级按钮_启动服务5", -1, false},
                    NavigationCase{"CustomerService", "超级按钮_启动服务7", -1, false},
                    NavigationCase{"DeveloperApi", "超级按钮_开发者说明", -1, false}),
    caseName<NavigationCase>);

// The docking buttons load their lists, also when their page is shown already; the tab alone
// loads nothing.
class PageLoads : public MainWindowTest, public ScriptedPlatform {
 protected:
  PageLoads() { session.addresses = addresses(); }
};

TEST_F(PageLoads, DockingButtonsLoadTheirListsEveryTimeAndTheTabLoadsNothing) {
  answer("/yh_zs_lb/", "正常#c-ACTIVE1234567#c-某服务#c-0.20#c-x#c-35#c-a#c-b#c-c");
  answer("/yh_zs_gk_lb/", "正常#c-FIRST12345678#c-甲服务#c-0.30#c-x#c-12#c-a#c-b#c-c");
  openWindow();
  auto* pages = window->findChild<QTabWidget*>("高级选择夹1");
  pages->setCurrentIndex(kDockingPage);
  pages->setCurrentIndex(kPublicDockingPage);
  EXPECT_TRUE(targetsStartingWith("/yh_zs_").empty());

  for (int click = 1; click <= 2; ++click) {
    button("超级按钮_专属对接")->click();
    EXPECT_EQ(window->currentPage(), kDockingPage);
    EXPECT_EQ(targetsStartingWith("/yh_zs_lb/").size(), static_cast<std::size_t>(click));
    EXPECT_EQ(window->findChild<QTreeWidget*>("超级列表框_专属列表")->topLevelItemCount(), 1);

    button("超级按钮_公开对接")->click();
    EXPECT_EQ(window->currentPage(), kPublicDockingPage);
    ASSERT_TRUE(waitUntil([&] {
      return targetsStartingWith("/yh_zs_gk_lb/").size() == static_cast<std::size_t>(click);
    }));
    QCoreApplication::processEvents();  // what the worker posted before its request
    ASSERT_TRUE(waitUntil([&] {
      return window->findChild<QTreeWidget*>("超级列表框_公开专属列表")->topLevelItemCount() == 1 &&
             window->isEnabled();
    }));
    EXPECT_TRUE(waitUntil([&] { return window->focusWidget() == button("超级按钮_公开对接"); }));
  }
}

// The balance refresh starts with the window and keeps the status bar's balance current; a
// refusal leaves it as it was.
TEST_F(PageLoads, TheBalanceRefreshWritesTheStatusBar) {
  answer("/yh_gx/", "99.00|10.00");
  openWindow();
  EXPECT_TRUE(waitUntil([&] { return window->statusPart(1)->text() == "余额:99.00"; }));
  EXPECT_EQ(window->statusPart(2)->text(), "可提现:10.00");
  EXPECT_EQ(targetsStartingWith("/yh_gx/")[0], "/yh_gx/username=demo01&password=");
}

// The record items show their page and load it, also when it is shown already; all but the
// recharges give the focus to the button that opened the menu.
TEST_F(PageLoads, RecordItemsShowAndLoadTheirPage) {
  openWindow();
  const struct {
    const char* item;
    int page;
    const char* path;
    const char* focus;
  } items[] = {{"提现记录", kWithdrawalRecordsPage, "/tx_mx/", "超级按钮_启动服务5"},
               {"充值记录", kRechargeRecordsPage, "/cz_mx/", "超级按钮_收短信"},
               {"短信记录", kSmsRecordsPage, "/yh_mx/", "超级按钮_启动服务5"},
               {"推荐人奖励明细", kReferralRecordsPage, "/tj_mx/", "超级按钮_启动服务5"}};
  auto* pages = window->findChild<QTabWidget*>("高级选择夹1");
  for (const auto& item : items) {
    pages->setCurrentIndex(item.page);  // the tab alone loads nothing
    EXPECT_TRUE(targetsStartingWith(item.path).empty()) << item.item;
    for (std::size_t load = 1; load <= 2; ++load) {
      if (load == 1) button("超级按钮_收短信")->click();  // the second time the page is shown
      QAction* action = this->action(window->fundsMenu(), item.item);
      ASSERT_NE(action, nullptr) << item.item;
      action->trigger();
      EXPECT_EQ(window->currentPage(), item.page) << item.item;
      EXPECT_EQ(targetsStartingWith(item.path).size(), load) << item.item;
      EXPECT_EQ(window->focusWidget(), button(item.focus)) << item.item;
    }
  }
}

TEST_F(MainWindowTest, TheMenuButtonsPopUpTheirMenus) {
  openWindow();
  button("超级按钮_安全中心")->click();
  EXPECT_TRUE(waitUntil([&] { return window->securityMenu()->isVisible(); }));
  window->securityMenu()->hide();
  button("超级按钮_启动服务5")->click();
  EXPECT_TRUE(waitUntil([&] { return window->fundsMenu()->isVisible(); }));
  window->fundsMenu()->hide();
}

TEST_F(MainWindowTest, CancellingTheExitKeepsTheClientRunning) {
  openWindow();
  dialogs.queueAnswer(false);
  button("超级按钮_启动服务6")->click();
  dialogs.queueAnswer(false);
  window->close();
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(clientEnded, 0);
  ASSERT_EQ(dialogs.shown().size(), 2u);
  EXPECT_EQ(dialogs.shown()[0].text, "退出用户端");
  EXPECT_EQ(dialogs.shown()[0].caption, "信息：");
  EXPECT_TRUE(dialogs.shown()[1].isPrompt);

  dialogs.queueAnswer(true);
  window->close();
  EXPECT_EQ(clientEnded, 1);
}

TEST_F(MainWindowTest, CustomerServiceOpensAQqChatWithTheSupportNumber) {
  LinkCatcher catcher;
  QDesktopServices::setUrlHandler("tencent", &catcher, "open");
  openWindow();
  button("超级按钮_启动服务7")->click();
  QDesktopServices::unsetUrlHandler("tencent");
  ASSERT_EQ(catcher.opened.size(), 1u);
  EXPECT_EQ(catcher.opened[0].toString(), "tencent://message/?uin=800900&Site=&Menu=yes");
}

std::vector<DeveloperApiWindow*> developerWindows() {
  std::vector<DeveloperApiWindow*> windows;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* window = qobject_cast<DeveloperApiWindow*>(widget); window && window->isVisible()) {
      windows.push_back(window);
    }
  }
  return windows;
}

TEST_F(MainWindowTest, TheDeveloperDocumentNamesTheServerInEveryCall) {
  for (DeveloperApiWindow* earlier : developerWindows())
    earlier->close();
  openWindow();
  button("超级按钮_开发者说明")->click();
  button("超级按钮_开发者说明")->click();
  const auto windows = developerWindows();
  ASSERT_EQ(windows.size(), 2u);  // two openings, two windows
  for (DeveloperApiWindow* shown : windows) {
    EXPECT_EQ(shown->windowTitle(), "开发者API说明");
    const QString text = shown->findChild<QPlainTextEdit*>("编辑框1")->toPlainText();
    EXPECT_FALSE(text.contains("服务器IP"));
    for (const char* method : {"sign", "yh_gx", "yh_qh", "yh_qm", "fdx_tj", "yh_lh", "yh_sf"}) {
      EXPECT_TRUE(text.contains(QStringLiteral("http://10.1.2.3:8000/api/%1/").arg(method)))
          << method;
    }
    shown->close();
  }
}

TEST_F(MainWindowTest, ButtonsAndMenusOpenTheirModalWindows) {
  openWindow();
  const std::vector<std::pair<std::string, std::function<void()>>> openers = {
      {"ChangePasswordWindow", [&] { action(window->securityMenu(), "修改密码")->trigger(); }},
      {"ProfileWindow", [&] { action(window->securityMenu(), "个人信息")->trigger(); }},
      {"SecurityQuestionWindow", [&] { action(window->securityMenu(), "安全设置")->trigger(); }},
      {"WithdrawWindow", [&] { action(window->fundsMenu(), "提现")->trigger(); }},
      {"RechargeWindow", [&] { button("超级按钮_启动服务1")->click(); }},
      {"ApplyProjectWindow", [&] { window->findChild<QAbstractButton*>("超级按钮1")->click(); }},
  };
  for (const auto& [className, open] : openers) {
    QString shownClass;
    const auto watch = whenModalShows<QDialog>([&](QDialog& shown) {
      shownClass = QString::fromLatin1(shown.metaObject()->className());
      shown.reject();
    });
    open();
    EXPECT_EQ(shownClass, QString::fromStdString("verdomo::" + className));
  }
}

}  // namespace
}  // namespace verdomo::test

#include "main_window_test.moc"
