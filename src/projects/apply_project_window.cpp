#include "projects/apply_project_window.h"

#include "ui/accessible_names.h"
#include "ui_apply_project_window.h"

namespace verdomo {

ApplyProjectWindow::ApplyProjectWindow(AppContext& context, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::ApplyProjectWindow>()), context_(context) {
  ui_->setupUi(this);
  nameControlsByLabels(this);
}

ApplyProjectWindow::~ApplyProjectWindow() = default;

}  // namespace verdomo
