#pragma once
// The "修改密码" window: a new password, confirmed by the security answer.

#include <QDialog>
#include <memory>

#include "session/app_context.h"

namespace Ui {
class ChangePasswordWindow;
}

namespace verdomo {

class ChangePasswordWindow : public QDialog {
  Q_OBJECT

 public:
  explicit ChangePasswordWindow(AppContext& context, QWidget* parent = nullptr);
  ~ChangePasswordWindow() override;

  // The click on "确定".
  void savePassword();

 private:
  std::unique_ptr<Ui::ChangePasswordWindow> ui_;
  AppContext& context_;
};

}  // namespace verdomo
