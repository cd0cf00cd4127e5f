#pragma once
// The "申请项目" window: proposes a new receive or send project to the platform for review.

#include <QDialog>
#include <memory>

#include "session/app_context.h"

namespace Ui {
class ApplyProjectWindow;
}

namespace verdomo {

class ApplyProjectWindow : public QDialog {
  Q_OBJECT

 public:
  explicit ApplyProjectWindow(AppContext& context, QWidget* parent = nullptr);
  ~ApplyProjectWindow() override;

  void submitReceiveApplication();
  void submitSendApplication();

 private:
  std::unique_ptr<Ui::ApplyProjectWindow> ui_;
  AppContext& context_;
};

}  // namespace verdomo
