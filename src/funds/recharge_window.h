#pragma once
// The "支付宝充值" window: a manual transfer whose transaction number is then submitted, or a
// payment QR code for a chosen amount.

#include <QDialog>
#include <memory>

#include "session/app_context.h"

namespace Ui {
class RechargeWindow;
}

namespace verdomo {

class RechargeWindow : public QDialog {
  Q_OBJECT

 public:
  explicit RechargeWindow(AppContext& context, QWidget* parent = nullptr);
  ~RechargeWindow() override;

 private:
  std::unique_ptr<Ui::RechargeWindow> ui_;
  [[maybe_unused]] AppContext& context_;  // for the handlers that come with the feature
};

}  // namespace verdomo
