#include "ui/window_enabling.h"

#include <QPointer>
#include <QVariant>
#include <QWidget>

namespace verdomo {
namespace {

constexpr const char* kFocusBeforeDisabling = "verdomoFocusBeforeDisabling";

}  // namespace

void setWindowEnabled(QWidget* window, bool enabled) {
  if (!enabled) {
    // Disabling is not counted, so only the first of two overlapping disablings saves the focus.
    if (window->isEnabled() && window->focusWidget() != nullptr) {
      window->setProperty(kFocusBeforeDisabling,
                          QVariant::fromValue(QPointer<QWidget>(window->focusWidget())));
    }
    window->setEnabled(false);
    return;
  }
  window->setEnabled(true);
  const auto saved = window->property(kFocusBeforeDisabling).value<QPointer<QWidget>>();
  window->setProperty(kFocusBeforeDisabling, QVariant());
  if (saved && window->focusWidget() == nullptr) saved->setFocus();
}

WindowBusy::WindowBusy(QWidget* window, QWidget* button) : window_(window), button_(button) {
  setWindowEnabled(window, false);
  button->setEnabled(false);
}

WindowBusy::~WindowBusy() {
  if (button_) button_->setEnabled(true);
  if (window_) setWindowEnabled(window_, true);
}

}  // namespace verdomo
