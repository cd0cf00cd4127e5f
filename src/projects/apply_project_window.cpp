#include "projects/apply_project_window.h"

#include <QLineEdit>
#include <QPlainTextEdit>

#include "projects/project_application.h"
#include "ui/accessible_names.h"
#include "ui/dialogs.h"
#include "ui/gbk_qt.h"
#include "ui/requester.h"
#include "ui/transport_failure_message.h"
#include "ui_apply_project_window.h"

namespace verdomo {
namespace {

using namespace verdomo::literals;

// A multi-line box's text with Windows line breaks, as the platform expects them.
GbkText multiLineText(const QPlainTextEdit* box) {
  QString text = box->toPlainText();
  text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  return toGbk(text);
}

}  // namespace

ApplyProjectWindow::ApplyProjectWindow(AppContext& context, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::ApplyProjectWindow>()), context_(context) {
  ui_->setupUi(this);
  nameControlsByLabels(this);
  connect(ui_->单选框1, &QRadioButton::clicked, this,
          &ApplyProjectWindow::showReceiveApplicationPage);
  connect(ui_->单选框2, &QRadioButton::clicked, this, &ApplyProjectWindow::showSendApplicationPage);
  connect(ui_->按钮_收码添加, &QPushButton::clicked, this,
          &ApplyProjectWindow::submitReceiveApplication);
  connect(ui_->按钮_发码添加, &QPushButton::clicked, this,
          &ApplyProjectWindow::submitSendApplication);
}

ApplyProjectWindow::~ApplyProjectWindow() = default;

void ApplyProjectWindow::showReceiveApplicationPage() {
  ui_->高级选择夹2->setCurrentIndex(0);
}

void ApplyProjectWindow::showSendApplicationPage() {
  ui_->高级选择夹2->setCurrentIndex(1);
}

void ApplyProjectWindow::submitReceiveApplication() {
  const GbkText name = toGbk(ui_->编辑框_收码项目名->text());
  const GbkText smsTemplate = multiLineText(ui_->编辑框_收码短信模板);
  if (name.empty()) return context_.dialogs.inform(this, "请输入项目名称"_gbk);
  if (smsTemplate.empty()) return context_.dialogs.inform(this, "请输入短信模板"_gbk);
  UiRequester requester(context_.pacing);
  const SessionState& session = context_.session;
  const GbkText reply = requester.getText(
      receiveApplicationUrl(session.addresses, session.credentials(), name, smsTemplate));
  if (applicationAccepted(reply)) {
    ui_->编辑框_收码项目名->clear();
    ui_->编辑框_收码短信模板->clear();
  }
  informReply(context_.dialogs, this, reply, requester.lastFailure());
}

void ApplyProjectWindow::submitSendApplication() {
  const GbkText name = toGbk(ui_->编辑框_发码项目名称->text());
  const GbkText numbers = multiLineText(ui_->编辑框_发码发送号码);
  if (name.empty()) return context_.dialogs.inform(this, "请输入项目名称"_gbk);
  if (numbers.empty()) return context_.dialogs.inform(this, "请输入发送号码"_gbk);
  UiRequester requester(context_.pacing);
  const SessionState& session = context_.session;
  const GbkText reply = requester.getText(
      sendApplicationUrl(session.addresses, session.credentials(), name, numbers));
  if (applicationAccepted(reply)) {
    ui_->编辑框_发码项目名称->clear();
    ui_->编辑框_发码发送号码->clear();
  }
  informReply(context_.dialogs, this, reply, requester.lastFailure());
}

}  // namespace verdomo
