#include "app/register_window.h"

#include <QLineEdit>

#include "api/gbk_text.h"
#include "app/registration.h"
#include "ui/accessible_names.h"
#include "ui/dialogs.h"
#include "ui/gbk_qt.h"
#include "ui/requester.h"
#include "ui/transport_failure_message.h"
#include "ui_register_window.h"

namespace verdomo {

RegisterWindow::RegisterWindow(AppContext& context, Registered onRegistered, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::RegisterWindow>()),
      context_(context),
      onRegistered_(std::move(onRegistered)) {
  ui_->setupUi(this);
  nameControlsByLabels(this);
  ui_->组合框_安全问题->setPlaceholderText(QStringLiteral("请选择安全问题"));
  ui_->组合框_安全问题->setCurrentIndex(-1);  // no question until the user picks one
  connect(ui_->按钮_注册, &QPushButton::clicked, this, &RegisterWindow::submitRegistration);
}

RegisterWindow::~RegisterWindow() = default;

void RegisterWindow::submitRegistration() {
  RegistrationForm form;
  form.userName = takeSpacesOut(ui_->编辑框_用户名);
  form.password = takeSpacesOut(ui_->编辑框_密码);
  form.confirmation = takeSpacesOut(ui_->编辑框_确认密码);
  form.securityAnswer = takeSpacesOut(ui_->编辑框_安全答案);
  form.referrer = takeSpacesOut(ui_->编辑框_推荐人ID);
  form.contactQq = takeSpacesOut(ui_->编辑框_联系QQ);
  form.realName = takeSpacesOut(ui_->编辑框_真实姓名);
  form.alipayAccount = takeSpacesOut(ui_->编辑框_支付宝);
  form.securityQuestion = toGbk(ui_->组合框_安全问题->currentText());
  if (const auto problem = registrationProblem(form)) {
    context_.dialogs.inform(this, *problem);
    return;
  }
  UiRequester requester(context_.pacing);
  const GbkText reply = requester.getText(registrationUrl(context_.session.addresses, form));
  if (!registrationSucceeded(reply)) {
    informReply(context_.dialogs, this, reply, requester.lastFailure());
    return;
  }
  onRegistered_(form.userName, form.password);
  context_.dialogs.inform(this, reply);
  accept();
}

}  // namespace verdomo
