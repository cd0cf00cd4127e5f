#pragma once
// The "提现记录" page: the account's withdrawal requests with their results, loaded whole.

#include <QPointer>
#include <QWidget>
#include <memory>

#include "session/app_context.h"

class QMenu;

namespace Ui {
class WithdrawalRecordsPage;
}

namespace verdomo {

class WithdrawalRecordsPage : public QWidget {
  Q_OBJECT

 public:
  explicit WithdrawalRecordsPage(AppContext& context, QWidget* parent = nullptr);
  ~WithdrawalRecordsPage() override;

  // The main window's 明细统计 button, which gets the focus after "刷新(S)".
  void setMenuButton(QWidget* button) { menuButton_ = button; }

  // Loads the list; the page shown stays as it is.
  void refreshWithdrawalRecords();
  // What the funds menu's "提现记录" does, and "刷新(S)": shows the page, loads it, and gives the
  // focus to the 明细统计 button.
  void showWithdrawalRecords();
  QMenu* refreshMenu() const { return refreshMenu_; }

 private:
  std::unique_ptr<Ui::WithdrawalRecordsPage> ui_;
  AppContext& context_;
  QMenu* refreshMenu_ = nullptr;
  QPointer<QWidget> menuButton_;
};

}  // namespace verdomo
