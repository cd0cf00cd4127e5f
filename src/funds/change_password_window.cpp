#include "funds/change_password_window.h"

#include "ui/accessible_names.h"
#include "ui_change_password_window.h"

namespace verdomo {

ChangePasswordWindow::ChangePasswordWindow(AppContext& context, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::ChangePasswordWindow>()), context_(context) {
  ui_->setupUi(this);
  nameControlsByLabels(this);
}

ChangePasswordWindow::~ChangePasswordWindow() = default;

}  // namespace verdomo
