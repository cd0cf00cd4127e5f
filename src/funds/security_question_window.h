#pragma once
// The "安全设置" window: a new security question and answer, confirmed by the current answer.

#include <QDialog>
#include <memory>

#include "session/app_context.h"

namespace Ui {
class SecurityQuestionWindow;
}

namespace verdomo {

class SecurityQuestionWindow : public QDialog {
  Q_OBJECT

 public:
  explicit SecurityQuestionWindow(AppContext& context, QWidget* parent = nullptr);
  ~SecurityQuestionWindow() override;

  // The click on "确定".
  void saveSecurityQuestion();

 private:
  std::unique_ptr<Ui::SecurityQuestionWindow> ui_;
  AppContext& context_;
};

}  // namespace verdomo
