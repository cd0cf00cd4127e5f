#include "funds/recharge_window.h"

#include <QPixmap>
#include <QRegularExpressionValidator>

#include "ui/accessible_names.h"
#include "ui/picture.h"
#include "ui_recharge_window.h"

namespace verdomo {

RechargeWindow::RechargeWindow(AppContext& context, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::RechargeWindow>()), context_(context) {
  ui_->setupUi(this);
  // The box takes whole numbers only.
  ui_->编辑框_支付宝订单->setValidator(new QRegularExpressionValidator(
      QRegularExpression(QStringLiteral("[0-9]*")), ui_->编辑框_支付宝订单));
  // The amount takes decimal numbers.
  ui_->编辑框_二维码充值金额->setValidator(new QRegularExpressionValidator(
      QRegularExpression(QStringLiteral("[0-9]*\\.?[0-9]*")), ui_->编辑框_二维码充值金额));
  ui_->图片框1->setPixmap(QPixmap::fromImage(
      loadResourcePicture(QStringLiteral(":/pictures/recharge_instructions.png"))));
  nameControlsByLabels(this);
}

RechargeWindow::~RechargeWindow() = default;

}  // namespace verdomo
