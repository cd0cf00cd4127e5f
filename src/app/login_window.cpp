#include "app/login_window.h"

#include <QKeyEvent>
#include <QTimer>

#include "api/gbk_text.h"
#include "app/notice_window.h"
#include "app/register_window.h"
#include "app/remembered_sign_in.h"
#include "app/sign_in.h"
#include "platform/file_operations.h"
#include "ui/accessible_names.h"
#include "ui/dialogs.h"
#include "ui/event_loop_pause.h"
#include "ui/gbk_qt.h"
#include "ui/picture.h"
#include "ui/requester.h"
#include "ui/transport_failure_message.h"
#include "ui_login_window.h"
#include "update/update_check.h"

namespace verdomo {
namespace {

using namespace verdomo::literals;

}  // namespace

LoginWindow::LoginWindow(AppContext& context, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::LoginWindow>()),
      context_(context),
      sweepTimer_(new QTimer(this)) {
  ui_->setupUi(this);
  ui_->图片框1->setPixmap(QPixmap::fromImage(loadResourcePicture(":/pictures/banner.png")));
  nameControlsByLabels(this);
  sweepTimer_->setObjectName(QStringLiteral("时钟1"));
  connect(sweepTimer_, &QTimer::timeout, this, &LoginWindow::sweepLeftovers);
  connect(ui_->按钮1, &QPushButton::clicked, this, &LoginWindow::signIn);
  connect(ui_->按钮_注册账户, &QPushButton::clicked, this, &LoginWindow::openRegistration);
  connect(ui_->按钮_找回密码, &QPushButton::clicked, this, &LoginWindow::showRecoveryHint);
}

LoginWindow::~LoginWindow() = default;

QLineEdit* LoginWindow::userNameBox() const {
  return ui_->编辑框_用户名;
}
QLineEdit* LoginWindow::passwordBox() const {
  return ui_->编辑框_密码;
}

void LoginWindow::signIn() {
  const GbkText userName = takeSpacesOut(ui_->编辑框_用户名);
  const GbkText password = takeSpacesOut(ui_->编辑框_密码);
  if (const auto problem = signInInputProblem(userName, password)) {
    context_.dialogs.inform(this, *problem);
    return;
  }
  SessionState& session = context_.session;
  UiRequester requester(context_.pacing);
  const GbkText reply = requester.getText(signInUrl(session.addresses, userName, password));
  const std::vector<GbkText> fields = splitFields(reply, "|");
  if (fields.size() < kSignInFields) {
    informReply(context_.dialogs, this, reply, requester.lastFailure());
    return;
  }
  session.userName = userName;
  session.password = password;
  storeSignInReply(session, fields);
  if (isMerchantAccount(fields)) {
    context_.dialogs.inform(this, "商户帐号禁止登录Verdomo客户端"_gbk);
    return;
  }
  EventLoopPause pause(context_.pacing);
  TableStore store(pause);
  saveRememberedSignIn(store, session.storeDirectory, userName, password);
  sweepTimer_->stop();
  pause.pause(200);
  NoticeWindow notice(session.noticeText, this);
  notice.exec();
  hide();
  emit signedIn();
}

void LoginWindow::openRegistration() {
  RegisterWindow window(
      context_,
      [this](const GbkText& userName, const GbkText& password) {
        ui_->编辑框_用户名->setText(fromGbk(userName));
        ui_->编辑框_密码->setText(fromGbk(password));
      },
      this);
  window.exec();
}

void LoginWindow::showRecoveryHint() {
  const QString hint = supportQqFailure_ == TransportFailure::None
                           ? QStringLiteral("为保障用户资金安全!请联系客服QQ: ") +
                                 fromGbk(context_.session.supportQq)
                           : transportFailureMessage(supportQqFailure_);
  context_.dialogs.message(this, hint, QStringLiteral("安全提示"), MessageIcon::None);
}

void LoginWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) return;
  QDialog::keyPressEvent(event);
}

void LoginWindow::sweepLeftovers() {
  deleteFile(movedExecutable(context_.program.runDirectory, context_.session.executableName));
}

}  // namespace verdomo
