#include "funds/recharge_window.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPixmap>
#include <QRegularExpressionValidator>
#include <QTimer>

#include "api/gbk_text.h"
#include "funds/funds_rules.h"
#include "funds/qr_recharge_ports.h"
#include "ui/accessible_names.h"
#include "ui/dialogs.h"
#include "ui/gbk_qt.h"
#include "ui/picture.h"
#include "ui/requester.h"
#include "ui/transport_failure_message.h"
#include "ui_recharge_window.h"

namespace verdomo {
namespace {

using namespace verdomo::literals;

constexpr int kManualTab = 0;

}  // namespace

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
  ui_->透明标签55->setTextFormat(Qt::PlainText);  // the payee line is the platform's text
  nameControlsByLabels(this);
  connect(ui_->高级选择夹1, &QTabWidget::currentChanged, this, [this](int tab) {
    if (tab == kManualTab) queryPayee();
  });
  connect(ui_->按钮1, &QPushButton::clicked, this, &RechargeWindow::copyPayeeAccount);
  connect(ui_->按钮_支付宝充值, &QPushButton::clicked, this,
          &RechargeWindow::submitTransactionNumber);
  connect(ui_->按钮_二维码充值, &QPushButton::clicked, this, &RechargeWindow::requestQrCode);
}

RechargeWindow::~RechargeWindow() = default;

// A window that opens on its manual tab asks for the payee as a change to that tab would, once
// it is on the screen: the user sees whom to transfer to without switching tabs first.
void RechargeWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (shown_) return;
  shown_ = true;
  QTimer::singleShot(0, this, [this] {
    if (ui_->高级选择夹1->currentIndex() == kManualTab) queryPayee();
  });
}

void RechargeWindow::queryPayee() {
  UiRequester requester(context_.pacing);
  SessionState& session = context_.session;
  const GbkText reply =
      requester.getText(requestUrl(session.addresses, session.credentials(), endpoint::kPayee));
  std::vector<GbkText> fields = splitFields(reply, "|");
  if (fields.size() < 2) return informReply(context_.dialogs, this, reply, requester.lastFailure());
  session.payeeName = std::move(fields[0]);
  session.payeeAccount = std::move(fields[1]);
  ui_->透明标签55->setText(fromGbk(payeeLine(session.payeeName, session.payeeAccount)));
}

void RechargeWindow::copyPayeeAccount() {
  const GbkText& account = context_.session.payeeAccount;
  if (!account.empty()) QGuiApplication::clipboard()->setText(fromGbk(account));
}

void RechargeWindow::submitTransactionNumber() {
  const GbkText number = toGbk(ui_->编辑框_支付宝订单->text());
  if (number.empty()) return context_.dialogs.inform(this, "请输入支付宝订单交易号"_gbk);
  if (number.size() != kTransactionNumberBytes) {
    return context_.dialogs.inform(this, "支付宝订单交易号长度不符合"_gbk);
  }
  UiRequester requester(context_.pacing);
  const SessionState& session = context_.session;
  const GbkText reply = requester.getText(
      requestUrl(session.addresses, session.credentials(), endpoint::kSubmitRecharge, {number}));
  informReply(context_.dialogs, this, reply, requester.lastFailure());
}

void RechargeWindow::requestQrCode() {
  const GbkText amount = toGbk(ui_->编辑框_二维码充值金额->text());
  if (!amountAtLeastTenYuan(amount)) return context_.dialogs.inform(this, "充值金额不能少于10"_gbk);
  // Disabled at once, before the worker starts: a second click cannot start a second request.
  ui_->按钮_二维码充值->setEnabled(false);
  ui_->透明标签2->setVisible(true);
  startQrRechargeWorker(context_, this, amount);
}

void RechargeWindow::showQrReply(const std::optional<GbkText>& refusal, const QImage& picture,
                                 TransportFailure failure) {
  if (failure != TransportFailure::None) {
    informReply(context_.dialogs, this, {}, failure);
  } else if (refusal) {
    context_.dialogs.inform(this, *refusal);  // the picture shown before stays
  } else {
    ui_->图片框2->setPixmap(QPixmap::fromImage(picture));  // none for what is no picture
  }
  ui_->按钮_二维码充值->setEnabled(true);
  ui_->透明标签2->setVisible(false);
}

}  // namespace verdomo
