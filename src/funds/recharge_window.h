#pragma once
// The "支付宝充值" window: a manual transfer to the platform's Alipay payee whose transaction
// number is then submitted, or a payment QR code for a chosen amount.

#include <QDialog>
#include <QImage>
#include <memory>
#include <optional>

#include "api/transport_failure.h"
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

  // The tab "手动充值" was selected, or the window opened on it: asks who to transfer to.
  void queryPayee();
  void copyPayeeAccount();
  void submitTransactionNumber();
  // The click on the QR tab's "充值": one QR request at a time, on a thread of its own.
  void requestQrCode();
  // What the QR request brought: a refusal to show, or the picture (null: none).
  // A request that got no reply says so and leaves the picture shown before.
  void showQrReply(const std::optional<GbkText>& refusal, const QImage& picture,
                   TransportFailure failure = TransportFailure::None);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  std::unique_ptr<Ui::RechargeWindow> ui_;
  AppContext& context_;
  bool shown_ = false;
};

}  // namespace verdomo
