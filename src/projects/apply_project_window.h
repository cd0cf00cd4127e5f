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

  // The radio buttons choose the page; a tab header chosen directly leaves them as they are.
  void showReceiveApplicationPage();
  void showSendApplicationPage();
  // A click on "确定" submits; Enter in a box does not, as no button of this window is a default.
  void submitReceiveApplication();
  void submitSendApplication();

 private:
  std::unique_ptr<Ui::ApplyProjectWindow> ui_;
  AppContext& context_;
};

}  // namespace verdomo
