#pragma once
// The client's first window: sign-in, registration and the password-recovery hint. Start-up
// runs on it before it is shown.

#include <QDialog>
#include <memory>

#include "api/transport_failure.h"
#include "session/app_context.h"

class QKeyEvent;
class QLineEdit;
class QTimer;

namespace Ui {
class LoginWindow;
}

namespace verdomo {

class LoginWindow : public QDialog {
  Q_OBJECT

 public:
  explicit LoginWindow(AppContext& context, QWidget* parent = nullptr);
  ~LoginWindow() override;

  QLineEdit* userNameBox() const;
  QLineEdit* passwordBox() const;
  // The leftover sweep's timer (`时钟1`): 100 ms from start-up until the sign-in, then stopped.
  QTimer* sweepTimer() const { return sweepTimer_; }

  void signIn();
  void openRegistration();
  void showRecoveryHint();
  // How start-up's look-up of the support QQ ended: the recovery hint, which shows that number,
  // says instead that the platform could not be reached.
  void setSupportQqFailure(TransportFailure failure) { supportQqFailure_ = failure; }

 signals:
  // The notice of an accepted sign-in was closed: the main window takes over.
  void signedIn();

 protected:
  // Escape would reject the dialog and, as the last window, end the client: only the close box
  // ends it.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void sweepLeftovers();

  std::unique_ptr<Ui::LoginWindow> ui_;
  AppContext& context_;
  QTimer* sweepTimer_;
  TransportFailure supportQqFailure_ = TransportFailure::None;
};

}  // namespace verdomo
