#include "update/update_window.h"

#include "ui_update_window.h"

namespace verdomo {

UpdateWindow::UpdateWindow(QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::UpdateWindow>()) {
  ui_->setupUi(this);
}

UpdateWindow::~UpdateWindow() = default;

}  // namespace verdomo
