#include "funds/withdraw_window.h"

#include <QRegularExpressionValidator>

#include "ui/accessible_names.h"
#include "ui_withdraw_window.h"

namespace verdomo {

WithdrawWindow::WithdrawWindow(AppContext& context, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::WithdrawWindow>()), context_(context) {
  ui_->setupUi(this);
  // The box takes whole numbers only.
  ui_->编辑框4->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), ui_->编辑框4));
  nameControlsByLabels(this);
}

WithdrawWindow::~WithdrawWindow() = default;

}  // namespace verdomo
