#pragma once
// Registration of a new platform account, opened from the login window.

#include <QDialog>
#include <functional>
#include <memory>

#include "session/app_context.h"

namespace Ui {
class RegisterWindow;
}

namespace verdomo {

class RegisterWindow : public QDialog {
  Q_OBJECT

 public:
  // `onRegistered` receives the new user name and password (GBK) to put into the login boxes.
  using Registered = std::function<void(const GbkText& userName, const GbkText& password)>;
  RegisterWindow(AppContext& context, Registered onRegistered, QWidget* parent);
  ~RegisterWindow() override;

 private:
  void submitRegistration();

  std::unique_ptr<Ui::RegisterWindow> ui_;
  AppContext& context_;
  Registered onRegistered_;
};

}  // namespace verdomo
