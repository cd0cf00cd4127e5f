#include "funds/withdraw_window.h"

#include <QRegularExpressionValidator>

#include "api/gbk_text.h"
#include "funds/funds_rules.h"
#include "ui/accessible_names.h"
#include "ui/dialogs.h"
#include "ui/gbk_qt.h"
#include "ui/requester.h"
#include "ui/transport_failure_message.h"
#include "ui_withdraw_window.h"

namespace verdomo {

using namespace verdomo::literals;

WithdrawWindow::WithdrawWindow(AppContext& context, QWidget* parent,
                               std::function<void()> reloadWithdrawalRecords)
    : QDialog(parent),
      ui_(std::make_unique<Ui::WithdrawWindow>()),
      context_(context),
      reloadWithdrawalRecords_(std::move(reloadWithdrawalRecords)) {
  ui_->setupUi(this);
  // The box takes whole numbers only.
  ui_->编辑框4->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), ui_->编辑框4));
  nameControlsByLabels(this);
  connect(ui_->按钮5, &QPushButton::clicked, this, &WithdrawWindow::withdraw);
}

WithdrawWindow::~WithdrawWindow() = default;

void WithdrawWindow::withdraw() {
  if (!amountAtLeastTenYuan(toGbk(ui_->编辑框4->text()))) {
    return context_.dialogs.inform(this, "提现金额最低10元起"_gbk);
  }
  UiRequester requester(context_.pacing);
  const SessionState& session = context_.session;
  // The amount goes as typed, read again.
  const GbkText reply =
      requester.getText(requestUrl(session.addresses, session.credentials(), endpoint::kWithdraw,
                                   {toGbk(ui_->编辑框4->text())}));
  if (!containsText(reply, "处理中"_gbk)) {
    return informReply(context_.dialogs, this, reply, requester.lastFailure());
  }
  if (reloadWithdrawalRecords_) reloadWithdrawalRecords_();
  context_.dialogs.inform(this, reply);
  accept();
}

}  // namespace verdomo
