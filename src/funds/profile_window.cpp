#include "funds/profile_window.h"

#include <QRegularExpressionValidator>

#include "ui/accessible_names.h"
#include "ui_profile_window.h"

namespace verdomo {

ProfileWindow::ProfileWindow(AppContext& context, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::ProfileWindow>()), context_(context) {
  ui_->setupUi(this);
  // The box takes whole numbers only.
  ui_->编辑框_修改个人资_联系QQ->setValidator(new QRegularExpressionValidator(
      QRegularExpression(QStringLiteral("[0-9]*")), ui_->编辑框_修改个人资_联系QQ));
  nameControlsByLabels(this);
}

ProfileWindow::~ProfileWindow() = default;

}  // namespace verdomo
