// The record pages against a scripted platform: the two paged views with their shared search
// mode, and the withdrawal and recharge lists.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <functional>

#include "funds/paged_record_view.h"
#include "funds/recharge_records_page.h"
#include "funds/referral_records_page.h"
#include "funds/sms_records_page.h"
#include "funds/withdrawal_records_page.h"
#include "session/app_context.h"
#include "support/gbk_test_text.h"
#include "support/modal_windows.h"
#include "support/qt_printing.h"
#include "support/recording_dialogs.h"
#include "support/scripted_platform.h"

namespace verdomo::test {
namespace {

using Targets = std::vector<std::string>;

// `count` SMS records of six fields: project 1021, phone 1380000000n, SMS "验证码n", time "Tn".
std::string smsRecords(int count) {
  std::string text;
  for (int i = 1; i <= count; ++i) {
    text += (i > 1 ? "#c+" : "") + std::string("1021#c-星空#c-1380000") + std::to_string(1000 + i) +
            "#c-0.5#c-验证码" + std::to_string(i) + "#c-T" + std::to_string(i);
  }
  return text;
}

class RecordPagesTest : public testing::Test, public ScriptedPlatform {
 protected:
  RecordPagesTest() {
    session.userName = "demo01";
    session.password = "pw";
    session.addresses = addresses();
    tabs.addTab(sms, "短信明细");
    tabs.addTab(withdrawals, "提现记录");
    tabs.addTab(referrals, "推荐人明细");
    tabs.addTab(recharges, "充值记录");
    withdrawals->setMenuButton(&menuButton);
    tabs.show();
    answer("/yh_mx/", "45|12.3|" + smsRecords(30));
  }

  template <typename T>
  static T* control(const QWidget* page, const char* name) {
    return page->findChild<T*>(QString::fromUtf8(name));
  }
  static void click(const QWidget* page, const char* name) {
    if (auto* tool = control<QToolButton>(page, name)) return tool->click();
    control<QPushButton>(page, name)->click();
  }
  static QString text(const QWidget* page, const char* name) {
    return control<QLabel>(page, name)->text();
  }
  static QStringList column(const QTreeWidget* list, int index) {
    QStringList cells;
    for (int row = 0; row < list->topLevelItemCount(); ++row)
      cells << list->topLevelItem(row)->text(index);
    return cells;
  }
  QTreeWidget* smsList() const { return control<QTreeWidget>(sms, "超级列表框_短信明细"); }
  QString smsPage() const { return text(sms, "透明标签_短信明细_页数"); }

  SessionState session;
  RecordingDialogs dialogs;
  SystemClock clock;
  AppContext context{{}, {}, session, dialogs, clock, Pacing{0.01}};
  QTabWidget tabs;
  QPushButton menuButton{"明细统计"};
  SmsRecordsPage* sms = new SmsRecordsPage(context);
  WithdrawalRecordsPage* withdrawals = new WithdrawalRecordsPage(context);
  ReferralRecordsPage* referrals = new ReferralRecordsPage(context);
  RechargeRecordsPage* recharges = new RechargeRecordsPage(context);
};

TEST_F(RecordPagesTest, FortyFiveRecordsMakeTwoPagesNumberedFromOne) {
  click(sms, "超级按钮_短信明细_刷新");
  EXPECT_EQ(targetsStartingWith("/yh_mx/"), Targets{"/yh_mx/username=demo01&password=pw"});
  ASSERT_EQ(smsList()->topLevelItemCount(), 30);
  EXPECT_EQ(smsList()->topLevelItem(0)->text(0), "1");
  EXPECT_EQ(smsList()->topLevelItem(29)->text(0), "30");
  // 项目ID, 名称, 手机号码, 价格, then the time before the SMS text.
  QStringList first;
  for (int column = 1; column < 7; ++column)
    first << smsList()->topLevelItem(0)->text(column);
  EXPECT_EQ(first, (QStringList{"1021", "星空", "13800001001", "0.5", "T1", "验证码1"}));
  EXPECT_EQ(text(sms, "透明标签32"), "45");
  EXPECT_EQ(text(sms, "透明标签34"), "12.3");
  EXPECT_EQ(smsPage(), "1/2");

  answer("/yh_mx/", "45|12.3|" + smsRecords(15));
  click(sms, "超级按钮_短信明细_下一页");
  EXPECT_EQ(targetsStartingWith("/yh_mx/").back(), "/yh_mx/username=demo01&password=pw&y=2");
  EXPECT_EQ(smsPage(), "2/2");
  EXPECT_EQ(column(smsList(), 0).last(), "15");  // numbered from 1 on this page too

  click(sms, "超级按钮_短信明细_下一页");
  EXPECT_EQ(dialogs.texts(), std::vector<QString>{"当前已是最后一页"});
  EXPECT_EQ(targetsStartingWith("/yh_mx/").size(), 2u);
  EXPECT_EQ(dialogs.shown()[0].caption, "信息：");
  EXPECT_EQ(dialogs.shown()[0].icon, MessageIcon::Question);
}

TEST_F(RecordPagesTest, PagingStopsAtTheEndsAndTheLastPageHasNoCheck) {
  click(sms, "超级按钮_短信明细_上一页");  // "0/0": both directions refuse
  click(sms, "超级按钮_短信明细_下一页");
  EXPECT_EQ(dialogs.texts(), (std::vector<QString>{"当前已是最前一页", "当前已是最后一页"}));
  EXPECT_TRUE(targetsStartingWith("/yh_mx/").empty());

  click(sms, "超级按钮_短信明细_尾页");  // from "0/0" it asks for page 0
  EXPECT_EQ(targetsStartingWith("/yh_mx/"), Targets{"/yh_mx/username=demo01&password=pw&y=0"});
  EXPECT_EQ(smsPage(), "0/0");  // the total text, on both sides

  click(sms, "超级按钮_短信明细_刷新");
  click(sms, "超级按钮_短信明细_上一页");  // page 1
  EXPECT_EQ(dialogs.texts().back(), "当前已是最前一页");
  click(sms, "超级按钮_短信明细_尾页");
  EXPECT_EQ(targetsStartingWith("/yh_mx/").back(), "/yh_mx/username=demo01&password=pw&y=2");
  EXPECT_EQ(smsPage(), "2/2");
  click(sms, "超级按钮_短信明细_首页");
  EXPECT_EQ(targetsStartingWith("/yh_mx/").back(), "/yh_mx/username=demo01&password=pw");
  EXPECT_EQ(smsPage(), "1/2");
}

TEST_F(RecordPagesTest, BadRepliesShowZerosOrLeaveTheTurnedPage) {
  click(sms, "超级按钮_短信明细_尾页");
  click(sms, "超级按钮_短信明细_刷新");
  click(sms, "超级按钮_短信明细_下一页");  // 2/2 with 30 rows
  for (const char* bad : {"0|0|x", "45|12.3", ""}) {
    answer("/yh_mx/", bad);
    click(sms, "超级按钮_短信明细_上一页");  // the labels stay; the list goes empty
    EXPECT_EQ(smsPage(), "1/2") << bad;
    EXPECT_EQ(text(sms, "透明标签32"), "45") << bad;
    EXPECT_EQ(smsList()->topLevelItemCount(), 0) << bad;
    click(sms, "超级按钮_短信明细_刷新");  // a load that sets the labels shows zeros
    EXPECT_EQ(smsPage(), "0/0") << bad;
    EXPECT_EQ(text(sms, "透明标签32"), "0") << bad;
    EXPECT_EQ(text(sms, "透明标签34"), "0") << bad;
    answer("/yh_mx/", "45|12.3|" + smsRecords(30));
    click(sms, "超级按钮_短信明细_刷新");
    click(sms, "超级按钮_短信明细_下一页");
  }
}

// One search mode for both views: a search in one turns the paging of both to search results,
// each with its own box; a refresh in either ends it.
TEST_F(RecordPagesTest, TheSearchModeIsSharedByBothViews) {
  answer("/yh_mx_s/", "40|8|" + smsRecords(30));
  answer("/tj_mx_s/", "31|2|" + smsRecords(30));
  answer("/tj_mx/", "31|2|" + smsRecords(30));
  click(referrals, "超级按钮_推荐人明细_刷新");
  control<QLineEdit>(sms, "编辑框_短信明细_搜索")->setText("1021");
  click(sms, "按钮_短信明细_搜索");
  EXPECT_EQ(targetsStartingWith("/yh_mx_s/"),
            Targets{"/yh_mx_s/username=demo01&password=pw&n=1021"});
  EXPECT_TRUE(session.recordSearchMode);

  control<QLineEdit>(referrals, "编辑框_推荐人明细_搜索")->setText("138");
  click(referrals, "超级按钮_推荐人明细_下一页");
  EXPECT_EQ(targetsStartingWith("/tj_mx_s/"),
            Targets{"/tj_mx_s/username=demo01&password=pw&n=138&y=2"});
  click(referrals, "超级按钮_推荐人明细_首页");
  EXPECT_EQ(targetsStartingWith("/tj_mx_s/").back(), "/tj_mx_s/username=demo01&password=pw&n=138");

  click(referrals, "超级按钮_推荐人明细_刷新");  // ends the search mode of both
  EXPECT_FALSE(session.recordSearchMode);
  EXPECT_EQ(control<QLineEdit>(referrals, "编辑框_推荐人明细_搜索")->text(), "");
  click(sms, "超级按钮_短信明细_下一页");
  EXPECT_EQ(targetsStartingWith("/yh_mx/").back(), "/yh_mx/username=demo01&password=pw&y=2");

  // An empty box searches for "" and, with a good reply, turns the mode on; a bad one does not.
  answer("/tj_mx_s/", "0|0|");
  click(referrals, "按钮_推荐人明细_搜索");
  EXPECT_EQ(targetsStartingWith("/tj_mx_s/").back(), "/tj_mx_s/username=demo01&password=pw&n=");
  EXPECT_FALSE(session.recordSearchMode);
  EXPECT_EQ(text(referrals, "透明标签_推荐人明细_页数"), "0/0");
}

// The buttons in both modes, against good and bad replies: what each asks for and what the
// labels show afterwards.
TEST_F(RecordPagesTest, EachButtonAsksForItsPageAndSetsItsLabels) {
  struct Case {
    const char* name;
    bool searchMode;
    const char* startLabel;
    const char* button;
    std::string reply;
    const char* target;
    QStringList labels;  // count, total, page
  };
  const std::string good = "99|7.5|" + smsRecords(3);
  const Case cases[] = {
      {"PreviousGood",
       false,
       "3/4",
       "超级按钮_短信明细_上一页",
       good,
       "/yh_mx/username=demo01&password=pw&y=2",
       {"45", "12.3", "2/4"}},
      {"PreviousInSearch",
       true,
       "3/4",
       "超级按钮_短信明细_上一页",
       good,
       "/yh_mx_s/username=demo01&password=pw&n=1021&y=2",
       {"45", "12.3", "2/4"}},
      {"NextGood",
       false,
       "1/4",
       "超级按钮_短信明细_下一页",
       good,
       "/yh_mx/username=demo01&password=pw&y=2",
       {"45", "12.3", "2/4"}},
      {"LastInSearch",
       true,
       "1/4",
       "超级按钮_短信明细_尾页",
       good,
       "/yh_mx_s/username=demo01&password=pw&n=1021&y=4",
       {"99", "7.5", "4/4"}},
      {"LastBad",
       false,
       "1/4",
       "超级按钮_短信明细_尾页",
       "0|0|",
       "/yh_mx/username=demo01&password=pw&y=4",
       {"0", "0", "0/0"}},
      {"FirstInSearch",
       true,
       "3/4",
       "超级按钮_短信明细_首页",
       good,
       "/yh_mx_s/username=demo01&password=pw&n=1021",
       {"99", "7.5", "1/4"}},
      {"FirstBad",
       false,
       "3/4",
       "超级按钮_短信明细_首页",
       "",
       "/yh_mx/username=demo01&password=pw",
       {"0", "0", "0/0"}},
  };
  for (const Case& c : cases) {
    control<QLabel>(sms, "透明标签32")->setText("45");
    control<QLabel>(sms, "透明标签34")->setText("12.3");
    control<QLabel>(sms, "透明标签_短信明细_页数")->setText(c.startLabel);
    control<QLineEdit>(sms, "编辑框_短信明细_搜索")->setText("1021");
    session.recordSearchMode = c.searchMode;
    answer("/yh_mx/", c.reply);
    answer("/yh_mx_s/", c.reply);
    click(sms, c.button);
    EXPECT_EQ(server.requests().back().target, c.target) << c.name;
    EXPECT_EQ((QStringList{text(sms, "透明标签32"), text(sms, "透明标签34"), smsPage()}), c.labels)
        << c.name;
    EXPECT_EQ(session.recordSearchMode, c.searchMode) << c.name;  // only refresh and search set it
  }
}

TEST_F(RecordPagesTest, ABadSearchLeavesTheSearchModeOn) {
  answer("/yh_mx_s/", "40|8|" + smsRecords(3));
  click(sms, "按钮_短信明细_搜索");
  ASSERT_TRUE(session.recordSearchMode);
  answer("/yh_mx_s/", "0|没有记录");
  click(sms, "按钮_短信明细_搜索");
  EXPECT_TRUE(session.recordSearchMode);
  EXPECT_EQ(smsPage(), "0/0");
}

TEST_F(RecordPagesTest, CountAndTotalAreShownAsTheyCameNeverAsMarkup) {
  answer("/yh_mx/", "45|<b>12.3</b>|" + smsRecords(1));
  click(sms, "超级按钮_短信明细_刷新");
  for (const char* name : {"透明标签32", "透明标签34"})
    EXPECT_EQ(control<QLabel>(sms, name)->textFormat(), Qt::PlainText) << name;
  for (const char* name : {"透明标签32_推荐人", "透明标签34_推荐人"})
    EXPECT_EQ(control<QLabel>(referrals, name)->textFormat(), Qt::PlainText) << name;
  EXPECT_EQ(text(sms, "透明标签34"), "<b>12.3</b>");
}

TEST_F(RecordPagesTest, EveryLoadRunsTheBusyBarWithTheWindowDisabled) {
  const auto slow = [](const std::string& reply) {
    return [body = utf8ToGbk(reply)](const ScriptedRequest&) {
      return ScriptedReply{.body = body, .delay = std::chrono::milliseconds(40)};
    };
  };
  answer("/yh_mx/", slow("45|12.3|" + smsRecords(3)));
  answer("/tx_mx/", slow("张三|a|1|t|r|x"));
  answer("/cz_mx/", slow("O,1,X,T,R"));
  const struct {
    QWidget* page;
    const char* bar;
    std::function<void()> load;
  } loads[] = {{sms, "进度条4", [&] { sms->refreshSmsRecords(); }},
               {withdrawals, "进度条5", [&] { withdrawals->refreshWithdrawalRecords(); }},
               {recharges, "进度条2", [&] { recharges->refreshRechargeRecords(); }}};
  for (const auto& load : loads) {
    auto* bar = control<QProgressBar>(load.page, load.bar);
    bool barShown = false;
    bool windowDisabled = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
      barShown = barShown || !bar->isHidden();  // its page need not be the one shown
      windowDisabled = windowDisabled || !tabs.isEnabled();
    });
    watch.start(5);
    load.load();
    watch.stop();
    EXPECT_TRUE(barShown) << load.bar;
    EXPECT_TRUE(windowDisabled) << load.bar;
    EXPECT_TRUE(bar->isHidden()) << load.bar;
    EXPECT_TRUE(tabs.isEnabled()) << load.bar;
  }
}

// The right-click itself: on a row of the SMS list it offers the copies, below the rows nothing;
// the referral list has no menu; the whole lists always offer theirs, rows or not.
TEST_F(RecordPagesTest, RightClicksPopUpTheirListsMenus) {
  answer("/yh_mx/", "45|12.3|" + smsRecords(3));  // room below the rows
  click(sms, "超级按钮_短信明细_刷新");
  smsList()->setCurrentItem(smsList()->topLevelItem(0));
  emit smsList()->customContextMenuRequested(
      smsList()->visualItemRect(smsList()->topLevelItem(2)).center());
  EXPECT_TRUE(sms->copyMenu()->isVisible());
  sms->copyMenu()->hide();
  emit smsList()->customContextMenuRequested(QPoint(10, smsList()->viewport()->height() - 3));
  EXPECT_FALSE(sms->copyMenu()->isVisible());

  auto* referralList = control<QTreeWidget>(referrals, "超级列表框_推荐人明细");
  EXPECT_NE(referralList->contextMenuPolicy(), Qt::CustomContextMenu);
  EXPECT_TRUE(referrals->findChildren<QMenu*>().isEmpty());

  emit control<QTreeWidget>(withdrawals, "超级列表框_提现明细")->customContextMenuRequested({5, 5});
  EXPECT_TRUE(withdrawals->refreshMenu()->isVisible());
  withdrawals->refreshMenu()->hide();
  emit control<QTreeWidget>(recharges, "超级列表框_充值记录")->customContextMenuRequested({5, 5});
  EXPECT_TRUE(recharges->copyMenu()->isVisible());
  recharges->copyMenu()->hide();
}

TEST_F(RecordPagesTest, TheSmsMenuCopiesTheSelectedRowsPhoneOrText) {
  click(sms, "超级按钮_短信明细_刷新");
  QGuiApplication::clipboard()->setText("before");
  sms->showCopyMenu(QPoint(10, 10));  // no row selected: no menu
  EXPECT_FALSE(sms->copyMenu()->isVisible());
  for (QAction* item : sms->copyMenu()->actions())
    item->trigger();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");

  smsList()->setCurrentItem(smsList()->topLevelItem(1));
  sms->showCopyMenu(QPoint(10, 10));
  EXPECT_TRUE(sms->copyMenu()->isVisible());
  sms->copyMenu()->hide();
  ASSERT_EQ(sms->copyMenu()->actions().size(), 2);
  EXPECT_EQ(sms->copyMenu()->actions()[0]->text(), "复制手机号码(E)");
  sms->copyMenu()->actions()[0]->trigger();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "13800001002");
  EXPECT_EQ(sms->copyMenu()->actions()[1]->text(), "复制短信内容(W)");
  sms->copyMenu()->actions()[1]->trigger();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "验证码2");
}

TEST_F(RecordPagesTest, TheWithdrawalListLoadsWholeWithoutChangingThePage) {
  answer("/tx_mx/",
         "张三|pay@x.cn|100.00|2026-12-01|已处理|x,李四|6222|50.00|2026-12-02|处理中|y,"
         "王五|6222|50.00|2026-12-03|已处理|");
  tabs.setCurrentWidget(sms);
  withdrawals->refreshWithdrawalRecords();
  EXPECT_EQ(tabs.currentWidget(), sms);
  EXPECT_EQ(targetsStartingWith("/tx_mx/"), Targets{"/tx_mx/username=demo01&password=pw"});
  auto* list = control<QTreeWidget>(withdrawals, "超级列表框_提现明细");
  EXPECT_EQ(column(list, 0), (QStringList{"1", "2"}));
  EXPECT_EQ(column(list, 1), (QStringList{"张三", "李四"}));
  EXPECT_EQ(column(list, 5), (QStringList{"已处理", "处理中"}));

  // "刷新(S)" does what the funds menu's item does: the page, the load, the focus.
  ASSERT_EQ(withdrawals->refreshMenu()->actions().size(), 1);
  EXPECT_EQ(withdrawals->refreshMenu()->actions()[0]->text(), "刷新(S)");
  withdrawals->refreshMenu()->actions()[0]->trigger();
  EXPECT_EQ(tabs.currentWidget(), withdrawals);
  EXPECT_EQ(targetsStartingWith("/tx_mx/").size(), 2u);
  EXPECT_EQ(menuButton.focusWidget(), &menuButton);
  EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(RecordPagesTest, TheRechargeListShowsItsPageAndCopiesAnOrder) {
  answer("/cz_mx/", "O,10,X,T,R|O2,20,Y,T2|");
  tabs.setCurrentWidget(sms);
  recharges->refreshRechargeRecords();
  EXPECT_EQ(tabs.currentWidget(), recharges);
  EXPECT_EQ(targetsStartingWith("/cz_mx/"), Targets{"/cz_mx/username=demo01&password=pw"});
  auto* list = control<QTreeWidget>(recharges, "超级列表框_充值记录");
  ASSERT_EQ(list->topLevelItemCount(), 1);
  QStringList row;
  for (int column = 0; column < 5; ++column)
    row << list->topLevelItem(0)->text(column);
  EXPECT_EQ(row, (QStringList{"1", "O", "10", "T", "R"}));

  QStringList captions;
  for (const QAction* item : recharges->copyMenu()->actions())
    captions << item->text();
  EXPECT_EQ(captions, (QStringList{"复制订单号(F)", "刷新(Y)"}));
  QGuiApplication::clipboard()->setText("before");
  recharges->copyOrderNumber();  // no row selected
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");
  list->setCurrentItem(list->topLevelItem(0));
  recharges->copyMenu()->actions()[0]->trigger();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "O");
  recharges->copyMenu()->actions()[1]->trigger();
  EXPECT_EQ(targetsStartingWith("/cz_mx/").size(), 2u);
}

TEST_F(RecordPagesTest, EmptyOrRefusedWholeListsStayEmptyWithoutAWord) {
  for (const char* reply : {"", "0|登录失败"}) {
    answer("/tx_mx/", reply);
    answer("/cz_mx/", reply);
    withdrawals->refreshWithdrawalRecords();
    recharges->refreshRechargeRecords();
    EXPECT_EQ(control<QTreeWidget>(withdrawals, "超级列表框_提现明细")->topLevelItemCount(), 0);
    EXPECT_EQ(control<QTreeWidget>(recharges, "超级列表框_充值记录")->topLevelItemCount(), 0);
  }
  EXPECT_TRUE(dialogs.shown().empty());
}

}  // namespace
}  // namespace verdomo::test
