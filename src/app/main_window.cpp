#include "app/main_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QMenu>
#include <QTabBar>
#include <QTimer>
#include <QUrl>

#include "app/build_config.h"
#include "app/developer_api_window.h"
#include "app/regions.h"
#include "docking/docking_page.h"
#include "docking/public_docking_page.h"
#include "funds/balance_ports.h"
#include "funds/change_password_window.h"
#include "funds/profile_window.h"
#include "funds/recharge_records_page.h"
#include "funds/recharge_window.h"
#include "funds/referral_records_page.h"
#include "funds/security_question_window.h"
#include "funds/sms_records_page.h"
#include "funds/withdraw_window.h"
#include "funds/withdrawal_records_page.h"
#include "projects/apply_project_window.h"
#include "projects/project_list_page.h"
#include "receive/receive_page.h"
#include "send/send_page.h"
#include "ui/dialogs.h"
#include "ui/gbk_qt.h"
#include "ui/picture.h"
#include "ui_main_window.h"

namespace verdomo {

MainWindow::MainWindow(AppContext& context, QPointer<QWidget> loginWindow, QWidget* parent)
    : QMainWindow(parent),
      ui_(std::make_unique<Ui::MainWindow>()),
      context_(context),
      loginWindow_(std::move(loginWindow)) {
  ui_->setupUi(this);
  setWindowTitle(QStringLiteral("Verdomo客户端      官网" VERDOMO_WEBSITE " 客服QQ：") +
                 fromGbk(context_.session.supportQq));
  for (QLabel*& part : statusParts_) {
    part = new QLabel(this);
    part->setTextFormat(Qt::PlainText);  // the parts show the platform's texts as they came
    ui_->状态条1->addWidget(part, 1);
  }
  addPages();
  setUpButtons();
  setUpMenus();
}

MainWindow::~MainWindow() = default;

int MainWindow::currentPage() const {
  return ui_->高级选择夹1->currentIndex();
}

void MainWindow::addPages() {
  QTabWidget* pages = ui_->高级选择夹1;
  projectListPage_ = new ProjectListPage(context_, pages);
  receivePage_ = new ReceivePage(context_, pages);
  sendPage_ = new SendPage(context_, pages);
  dockingPage_ = new DockingPage(context_, pages);
  publicDockingPage_ = new PublicDockingPage(context_, pages);
  publicDockingPage_->setLoadButton(ui_->超级按钮_公开对接);
  pages->addTab(projectListPage_, QStringLiteral("项目列表"));
  pages->addTab(new QWidget(pages), QString());
  pages->addTab(dockingPage_, QStringLiteral("专属对接"));
  pages->addTab(receivePage_, QStringLiteral("取号"));
  pages->addTab(sendPage_, QStringLiteral("发短信"));
  smsRecordsPage_ = new SmsRecordsPage(context_, pages);
  withdrawalRecordsPage_ = new WithdrawalRecordsPage(context_, pages);
  withdrawalRecordsPage_->setMenuButton(ui_->超级按钮_启动服务5);
  referralRecordsPage_ = new ReferralRecordsPage(context_, pages);
  rechargeRecordsPage_ = new RechargeRecordsPage(context_, pages);
  pages->addTab(smsRecordsPage_, QStringLiteral("短信明细"));
  pages->addTab(withdrawalRecordsPage_, QStringLiteral("提现记录"));
  pages->addTab(referralRecordsPage_, QStringLiteral("推荐人明细"));
  pages->addTab(rechargeRecordsPage_, QStringLiteral("充值记录"));
  pages->addTab(publicDockingPage_, QStringLiteral("公开专属"));
}

void MainWindow::setUpButtons() {
  const std::pair<QToolButton*, const char*> icons[] = {
      {ui_->超级按钮_收短信, "receive"},    {ui_->超级按钮_发短信, "send"},
      {ui_->超级按钮_项目列表, "projects"}, {ui_->超级按钮_专属对接, "docking"},
      {ui_->超级按钮_公开对接, "public"},   {ui_->超级按钮_安全中心, "security"},
      {ui_->超级按钮_启动服务5, "records"}, {ui_->超级按钮_启动服务1, "recharge"},
      {ui_->超级按钮_启动服务7, "service"}, {ui_->超级按钮_开发者说明, "developer"},
      {ui_->超级按钮_启动服务6, "exit"}};
  for (const auto& [button, icon] : icons) {
    const QString path = QStringLiteral(":/pictures/buttons/%1.png").arg(QLatin1String(icon));
    button->setIcon(QPixmap::fromImage(loadResourcePicture(path)));
  }
  // The page buttons select their page and take the focus; the list pages load their list
  // too, also when they are shown already. Selecting a page by its tab loads nothing.
  const std::pair<QToolButton*, int> pageButtons[] = {{ui_->超级按钮_收短信, kReceivePage},
                                                      {ui_->超级按钮_发短信, kSendPage}};
  for (const auto& [button, page] : pageButtons) {
    connect(button, &QToolButton::clicked, this,
            [this, button = button, page = page] { selectPage(page, button); });
  }
  connect(ui_->超级按钮_专属对接, &QToolButton::clicked, this, [this] {
    ui_->高级选择夹1->setCurrentIndex(kDockingPage);
    dockingPage_->refreshDockingList();
    ui_->超级按钮_专属对接->setFocus();
  });
  connect(ui_->超级按钮_公开对接, &QToolButton::clicked, this, [this] {
    selectPage(kPublicDockingPage, ui_->超级按钮_公开对接);
    publicDockingPage_->startPublicDockingWorker();
  });
  connect(ui_->超级按钮_项目列表, &QToolButton::clicked, this, [this] {
    ui_->高级选择夹1->setCurrentIndex(kProjectListPage);
    projectListPage_->refreshCatalogue();
    ui_->超级按钮_项目列表->setFocus();
  });
  connect(ui_->超级按钮_安全中心, &QToolButton::clicked, this,
          [this] { securityMenu_->popup(mapToGlobal(rect().center())); });
  connect(ui_->超级按钮_启动服务5, &QToolButton::clicked, this,
          [this] { fundsMenu_->popup(mapToGlobal(rect().center())); });
  connect(ui_->超级按钮_启动服务1, &QToolButton::clicked, this,
          &MainWindow::openModal<RechargeWindow>);
  connect(ui_->超级按钮_启动服务7, &QToolButton::clicked, this, &MainWindow::openCustomerService);
  connect(ui_->超级按钮_开发者说明, &QToolButton::clicked, this, &MainWindow::openDeveloperApi);
  connect(ui_->超级按钮_启动服务6, &QToolButton::clicked, this, &MainWindow::confirmExit);
  if (auto* addProject = ui_->高级选择夹1->widget(kProjectListPage)
                             ->findChild<QAbstractButton*>(QStringLiteral("超级按钮1"))) {
    connect(addProject, &QAbstractButton::clicked, this,
            &MainWindow::openModal<ApplyProjectWindow>);
  }
}

void MainWindow::setUpMenus() {
  securityMenu_ = new QMenu(QStringLiteral("安全中心"), this);
  securityMenu_->addAction(QStringLiteral("修改密码"), this,
                           &MainWindow::openModal<ChangePasswordWindow>);
  securityMenu_->addAction(QStringLiteral("个人信息"), this, &MainWindow::openModal<ProfileWindow>);
  securityMenu_->addAction(QStringLiteral("安全设置"), this,
                           &MainWindow::openModal<SecurityQuestionWindow>);

  fundsMenu_ = new QMenu(QStringLiteral("资金操作"), this);
  fundsMenu_->addAction(QStringLiteral("提现"), this, [this] {
    WithdrawWindow window(context_, this,
                          [this] { withdrawalRecordsPage_->refreshWithdrawalRecords(); });
    window.exec();
  });
  // The record items show their page and load it, also when it is shown already; all but the
  // recharges hand the focus back to the button that opened the menu.
  fundsMenu_->addAction(QStringLiteral("提现记录"), withdrawalRecordsPage_,
                        &WithdrawalRecordsPage::showWithdrawalRecords);
  fundsMenu_->addAction(QStringLiteral("充值记录"), rechargeRecordsPage_,
                        &RechargeRecordsPage::refreshRechargeRecords);
  fundsMenu_->addAction(QStringLiteral("短信记录"), this, [this] {
    ui_->高级选择夹1->setCurrentIndex(kSmsRecordsPage);
    smsRecordsPage_->refreshSmsRecords();
    ui_->超级按钮_启动服务5->setFocus();
  });
  fundsMenu_->addAction(QStringLiteral("推荐人奖励明细"), this, [this] {
    ui_->高级选择夹1->setCurrentIndex(kReferralRecordsPage);
    referralRecordsPage_->refreshReferralRecords();
    ui_->超级按钮_启动服务5->setFocus();
  });
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (activated_) return;
  activated_ = true;
  QTimer::singleShot(0, this, &MainWindow::onFirstActivated);
}

void MainWindow::onFirstActivated() {
  if (loginWindow_) loginWindow_->deleteLater();
  fillStatusBar();
  ui_->高级选择夹1->tabBar()->hide();  // the large buttons navigate, never the tabs
  fillRegionLists();
  // Both pages leave out numbers already used until their check box says otherwise.
  context_.session.receiveLoopFlag = GbkText("1");
  context_.session.sendLoopFlag = GbkText("1");
  ui_->超级按钮_收短信->setFocus();
  // The six workers of the client's life, in their order.
  receivePage_->startSmsPollWorker();
  sendPage_->startResultPollWorker();
  startBalanceRefreshWorker(context_, this, statusParts_[1], statusParts_[2], workers_.token());
  receivePage_->startAttributionWorker();
  receivePage_->startFavouritesWorker();
  sendPage_->startFavouritesWorker();
}

void MainWindow::fillStatusBar() {
  const SessionState& session = context_.session;
  const std::pair<const char*, const GbkText*> parts[] = {{"用户:", &session.userName},
                                                          {"余额:", &session.balance},
                                                          {"可提现:", &session.withdrawable},
                                                          {"版本:", &session.clientVersion},
                                                          {"客服QQ:", &session.supportQq}};
  for (std::size_t i = 0; i < statusParts_.size(); ++i) {
    statusParts_[i]->setText(QString::fromUtf8(parts[i].first) + fromGbk(*parts[i].second));
  }
}

void MainWindow::fillRegionLists() {
  auto* receiveRegions = findChild<QComboBox*>(QStringLiteral("组合框_地区"));
  auto* sendRegions = findChild<QComboBox*>(QStringLiteral("组合框_地区1"));
  for (QComboBox* regions : {receiveRegions, sendRegions}) {
    if (regions != nullptr) regions->addItem(QStringLiteral("默认"), 0);
  }
  int value = 0;
  for (const std::string& name : regionNames()) {
    ++value;
    for (QComboBox* regions : {receiveRegions, sendRegions}) {
      if (regions != nullptr) regions->addItem(QString::fromStdString(name), value);
    }
  }
  for (QComboBox* regions : {receiveRegions, sendRegions}) {
    if (regions != nullptr) regions->setCurrentIndex(0);
  }
}

void MainWindow::selectPage(int page, QWidget* focus) {
  ui_->高级选择夹1->setCurrentIndex(page);
  focus->setFocus();
}

void MainWindow::openCustomerService() {
  QDesktopServices::openUrl(QUrl(QStringLiteral("tencent://message/?uin=") +
                                 fromGbk(context_.session.supportQq) +
                                 QStringLiteral("&Site=&Menu=yes")));
}

void MainWindow::openDeveloperApi() {
  auto* window = new DeveloperApiWindow(context_.session.serverHost);
  window->show();
}

template <typename Window>
void MainWindow::openModal() {
  Window window(context_, this);
  window.exec();
}

void MainWindow::confirmExit() {
  if (context_.dialogs.confirm(this, QStringLiteral("退出用户端"), kDefaultCaption,
                               ConfirmButtons::OkCancel)) {
    context_.endClient();
  }
}

void MainWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  confirmExit();
}

}  // namespace verdomo
