#include "update/update_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QTimer>

#include "platform/file_operations.h"
#include "platform/process.h"
#include "session/app_context.h"
#include "ui/dialogs.h"
#include "ui/event_loop_pause.h"
#include "ui/thread_dispatch.h"
#include "ui/worker_threads.h"
#include "ui_update_window.h"
#include "update/update_check.h"
#include "update/update_progress.h"

namespace verdomo {
namespace {

using namespace verdomo::literals;

// The period of 时钟1; it only paces the progress display.
constexpr int kTickMs = 100;
constexpr int kPauseBeforeRestartMs = 2000;
constexpr int kDeleteAttempts = 10;

}  // namespace

UpdateWindow::UpdateWindow(QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::UpdateWindow>()), progressTimer_(new QTimer(this)) {
  ui_->setupUi(this);
  setWindowFlag(Qt::WindowCloseButtonHint, false);
  progressTimer_->setObjectName(QStringLiteral("时钟1"));
  progressTimer_->setInterval(kTickMs);
  connect(progressTimer_, &QTimer::timeout, this, &UpdateWindow::showProgress);
}

UpdateWindow::~UpdateWindow() {
  state_->download.cancelled.store(true);
}

void UpdateWindow::runUpdate(AppContext& context) {
  context_ = &context;
  plan_ = updatePlan(context.session.updateHost, context.program.runDirectory,
                     context.session.executableName);
  progressTimer_->start();
  exec();
}

void UpdateWindow::closeEvent(QCloseEvent* event) {
  if (event->spontaneous() && context_ != nullptr && !finished_) {
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

void UpdateWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) return;  // Escape would reject the dialog
  QDialog::keyPressEvent(event);
}

// The first tick starts the download, once the window is on the screen, so the user sees the
// window before any outcome of the update.
void UpdateWindow::showProgress() {
  if (!started_) {
    if (isVisible()) startDownload();
    return;
  }
  const ProgressTick tick =
      progressTick(state_->download.received.load(), state_->download.total.load(),
                   state_->downloadFinished.load());
  ui_->进度条1->setValue(tick.barValue);
  if (tick.showsDownload) ui_->透明标签3->setText(QStringLiteral("更新包正在下载中...请稍后..."));
}

void UpdateWindow::startDownload() {
  started_ = true;
  ui_->进度条1->setValue(1);
  ui_->透明标签3->setText(QStringLiteral("更新包正在下载中...请稍后..."));
  // The thread is never joined: once the window is gone the download is cancelled, and what the
  // thread still reports is dropped with the window.
  startWorkerThread([plan = plan_, state = state_, dispatch = UiDispatch(this), window = this] {
    const UpdateResult result =
        performUpdate(plan, *state, [&] { dispatch.post([window] { window->showUnpacking(); }); });
    dispatch.post([window, result] { window->finishUpdate(result); });
  });
}

void UpdateWindow::showUnpacking() {
  ui_->进度条1->setValue(kProgressSteps);
  ui_->透明标签3->setText(QStringLiteral("文件正在解压中，请稍后..."));
}

void UpdateWindow::finishUpdate(const UpdateResult& result) {
  finished_ = true;
  AppContext& context = *context_;
  if (!result.installed) {
    ui_->透明标签3->setText(QStringLiteral("更新失败"));
    restoreOldClient(plan_);
    context.dialogs.inform(this, updateFailureMessage(result.failure));
    reject();
    return;
  }
  ui_->进度条1->setValue(kProgressSteps);
  ui_->透明标签3->setText(QStringLiteral("更新完成"));
  EventLoopPause(context.pacing).pause(kPauseBeforeRestartMs);
  // Removing the running program's file fails on some systems; the next start sweeps it then.
  for (int attempt = 0; attempt < kDeleteAttempts; ++attempt) {
    deleteFile(movedExecutable(plan_.runDirectory, plan_.executableName));
  }
  if (!startProcess(plan_.executable())) {
    context.dialogs.inform(this, "已更新完毕从新打开本程序"_gbk);
  }
  if (context.endClient) context.endClient();
  accept();
}

}  // namespace verdomo
