#pragma once
// The withdrawal window: asks the platform to pay out part of the withdrawable amount.

#include <QDialog>
#include <functional>
#include <memory>

#include "session/app_context.h"

namespace Ui {
class WithdrawWindow;
}

namespace verdomo {

class WithdrawWindow : public QDialog {
  Q_OBJECT

 public:
  // `reloadWithdrawalRecords` runs when the platform has taken a withdrawal, before its reply is
  // shown: the main window's withdrawal records then list it.
  explicit WithdrawWindow(AppContext& context, QWidget* parent = nullptr,
                          std::function<void()> reloadWithdrawalRecords = {});
  ~WithdrawWindow() override;

  // The click on "确定".
  void withdraw();

 private:
  std::unique_ptr<Ui::WithdrawWindow> ui_;
  AppContext& context_;
  std::function<void()> reloadWithdrawalRecords_;
};

}  // namespace verdomo
