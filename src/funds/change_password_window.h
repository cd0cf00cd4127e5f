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

 private:
  std::unique_ptr<Ui::ChangePasswordWindow> ui_;
  [[maybe_unused]] AppContext& context_;  // for the handlers that come with the feature
};

}  // namespace verdomo
