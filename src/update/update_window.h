#pragma once
// The window that replaces the client with a new version: it downloads the package from the
// update host on a thread of its own, shows the progress, unpacks the package into the client's
// folder, starts the new executable and ends this client. When any of that fails, the old
// executable gets its name back and the user is told.

#include <QDialog>
#include <memory>

#include "update/update_job.h"

class QTimer;

namespace Ui {
class UpdateWindow;
}

namespace verdomo {

struct AppContext;

class UpdateWindow : public QDialog {
  Q_OBJECT

 public:
  explicit UpdateWindow(QWidget* parent = nullptr);
  ~UpdateWindow() override;

  // Shows the window modally and runs the update in it; returns when the window has closed,
  // after a failed update (the old client is back in place) or, where ending the client
  // returns, after a successful one.
  void runUpdate(AppContext& context);

 protected:
  // There is nothing to cancel: a user cannot close the window while the update runs.
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void showProgress();
  void startDownload();
  void showUnpacking();
  void finishUpdate(const UpdateResult& result);

  std::unique_ptr<Ui::UpdateWindow> ui_;
  QTimer* progressTimer_;
  AppContext* context_ = nullptr;
  UpdatePlan plan_;
  // Shared with the update's thread, which may outlive the window.
  std::shared_ptr<UpdateState> state_ = std::make_shared<UpdateState>();
  bool started_ = false;
  bool finished_ = false;
};

}  // namespace verdomo
