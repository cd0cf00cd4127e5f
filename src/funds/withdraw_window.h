#pragma once
// The withdrawal window: asks the platform to pay out part of the withdrawable amount.

#include <QDialog>
#include <memory>

#include "session/app_context.h"

namespace Ui {
class WithdrawWindow;
}

namespace verdomo {

class WithdrawWindow : public QDialog {
  Q_OBJECT

 public:
  explicit WithdrawWindow(AppContext& context, QWidget* parent = nullptr);
  ~WithdrawWindow() override;

 private:
  std::unique_ptr<Ui::WithdrawWindow> ui_;
  [[maybe_unused]] AppContext& context_;  // for the handlers that come with the feature
};

}  // namespace verdomo
