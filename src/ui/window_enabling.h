#pragma once

#include <QPointer>
#include <QWidget>

namespace verdomo {

// Disables or enables a whole window while it is busy. Qt drops the keyboard focus of a
// disabled window; enabling it again gives the focus back to the control that had it.
void setWindowEnabled(QWidget* window, bool enabled);

// Keeps a whole window and one of its buttons disabled for as long as it lives.
class WindowBusy {
 public:
  WindowBusy(QWidget* window, QWidget* button);
  ~WindowBusy();
  WindowBusy(const WindowBusy&) = delete;
  WindowBusy& operator=(const WindowBusy&) = delete;

 private:
  QPointer<QWidget> window_;
  QPointer<QWidget> button_;
};

}  // namespace verdomo
