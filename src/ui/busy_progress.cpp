#include "ui/busy_progress.h"

#include <QProgressBar>
#include <QWidget>

#include "api/pause.h"
#include "ui/window_enabling.h"

namespace verdomo {

BusyProgress::BusyProgress(QWidget* mainWindow, QProgressBar* bar, Pause& pause)
    : mainWindow_(mainWindow), bar_(bar) {
  setWindowEnabled(mainWindow, false);
  bar->setVisible(true);
  for (int step = 1; step <= 5; ++step) {
    if (bar_) bar_->setValue(step * 20);
    pause.pause(100);
  }
}

BusyProgress::~BusyProgress() {
  if (bar_) bar_->setVisible(false);
  if (mainWindow_) setWindowEnabled(mainWindow_, true);
}

}  // namespace verdomo
