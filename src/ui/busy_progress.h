#pragma once
// The busy indication of the list pages: the whole main window is disabled and the page's bar
// runs from 20 to 100 in five steps of 100 ms before the request; when the object goes, the bar
// is hidden and the window enabled again. Enabling is not counted: whoever ends first enables.

#include <QPointer>

class QProgressBar;
class QWidget;

namespace verdomo {

class Pause;

class BusyProgress {
 public:
  BusyProgress(QWidget* mainWindow, QProgressBar* bar, Pause& pause);
  ~BusyProgress();
  BusyProgress(const BusyProgress&) = delete;
  BusyProgress& operator=(const BusyProgress&) = delete;

 private:
  QPointer<QWidget> mainWindow_;
  QPointer<QProgressBar> bar_;
};

}  // namespace verdomo
