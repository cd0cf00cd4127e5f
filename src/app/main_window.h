#pragma once
// The working window after sign-in: a row of large buttons, the page control with the feature
// pages, and a status bar with the account summary.

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>

#include "session/app_context.h"
#include "ui/worker_stop.h"

class QLabel;
class QMenu;
class QToolButton;

namespace Ui {
class MainWindow;
}

namespace verdomo {

class ProjectListPage;
class ReceivePage;
class SendPage;
class DockingPage;
class PublicDockingPage;
class SmsRecordsPage;
class WithdrawalRecordsPage;
class ReferralRecordsPage;
class RechargeRecordsPage;

// Page indexes of the page control `高级选择夹1`.
enum Page : int {
  kProjectListPage = 0,
  kDockingPage = 2,
  kReceivePage = 3,
  kSendPage = 4,
  kSmsRecordsPage = 5,
  kWithdrawalRecordsPage = 6,
  kReferralRecordsPage = 7,
  kRechargeRecordsPage = 8,
  kPublicDockingPage = 9,
};

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // `loginWindow` is destroyed when this window is first activated.
  MainWindow(AppContext& context, QPointer<QWidget> loginWindow, QWidget* parent = nullptr);
  ~MainWindow() override;

  int currentPage() const;
  QLabel* statusPart(int index) const { return statusParts_.at(static_cast<std::size_t>(index)); }
  QMenu* securityMenu() const { return securityMenu_; }
  QMenu* fundsMenu() const { return fundsMenu_; }
  // The exit confirmation: OK ends the client at once, Cancel changes nothing.
  void confirmExit();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void addPages();
  void setUpButtons();
  void setUpMenus();
  void onFirstActivated();
  void fillStatusBar();
  void fillRegionLists();
  void selectPage(int page, QWidget* focus);
  void openCustomerService();
  void openDeveloperApi();
  template <typename Window>
  void openModal();

  std::unique_ptr<Ui::MainWindow> ui_;
  AppContext& context_;
  QPointer<QWidget> loginWindow_;
  std::array<QLabel*, 5> statusParts_{};
  QMenu* securityMenu_ = nullptr;
  QMenu* fundsMenu_ = nullptr;
  ProjectListPage* projectListPage_ = nullptr;
  ReceivePage* receivePage_ = nullptr;
  SendPage* sendPage_ = nullptr;
  DockingPage* dockingPage_ = nullptr;
  PublicDockingPage* publicDockingPage_ = nullptr;
  SmsRecordsPage* smsRecordsPage_ = nullptr;
  WithdrawalRecordsPage* withdrawalRecordsPage_ = nullptr;
  ReferralRecordsPage* referralRecordsPage_ = nullptr;
  RechargeRecordsPage* rechargeRecordsPage_ = nullptr;
  bool activated_ = false;
  WorkerStop workers_;  // the window's own workers: the balance refresh
};

}  // namespace verdomo
