#pragma once
// The "个人信息" window: contact QQ number, legal name and Alipay account, confirmed by the
// security answer.

#include <QDialog>
#include <memory>

#include "session/app_context.h"

namespace Ui {
class ProfileWindow;
}

namespace verdomo {

class ProfileWindow : public QDialog {
  Q_OBJECT

 public:
  explicit ProfileWindow(AppContext& context, QWidget* parent = nullptr);
  ~ProfileWindow() override;

  // The click on "确定".
  void saveProfile();

 private:
  std::unique_ptr<Ui::ProfileWindow> ui_;
  AppContext& context_;
};

}  // namespace verdomo
