#include "funds/profile_window.h"

#include <QRegularExpressionValidator>
#include <algorithm>

#include "api/gbk_text.h"
#include "funds/security_checks.h"
#include "funds/security_window_common.h"
#include "ui/accessible_names.h"
#include "ui/dialogs.h"
#include "ui/gbk_qt.h"
#include "ui_profile_window.h"

namespace verdomo {

ProfileWindow::ProfileWindow(AppContext& context, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::ProfileWindow>()), context_(context) {
  ui_->setupUi(this);
  // The box takes whole numbers only.
  ui_->编辑框_修改个人资_联系QQ->setValidator(new QRegularExpressionValidator(
      QRegularExpression(QStringLiteral("[0-9]*")), ui_->编辑框_修改个人资_联系QQ));
  nameControlsByLabels(this);
  const SessionState& session = context.session;
  showOnlyQuestion(ui_->组合框_修改个人资料_安全问题, session.securityQuestion);
  // The box takes eleven characters from the keyboard; a longer number the platform keeps is
  // shown whole, not cut.
  QLineEdit* qq = ui_->编辑框_修改个人资_联系QQ;
  qq->setMaxLength(std::max(qq->maxLength(), static_cast<int>(fromGbk(session.contactQq).size())));
  qq->setText(fromGbk(session.contactQq));
  ui_->编辑框_修改个人资_真实姓名->setText(fromGbk(session.realName));
  ui_->编辑框_修改个人资_支付宝->setText(fromGbk(session.alipayAccount));
  ui_->编辑框_修改个人资_安全答案->setFocus();
  connect(ui_->按钮_修改个人资_保存, &QPushButton::clicked, this, &ProfileWindow::saveProfile);
}

ProfileWindow::~ProfileWindow() = default;

void ProfileWindow::saveProfile() {
  const GbkText answer = toGbk(ui_->编辑框_修改个人资_安全答案->text());
  const GbkText qq = toGbk(ui_->编辑框_修改个人资_联系QQ->text());
  const GbkText realName = toGbk(ui_->编辑框_修改个人资_真实姓名->text());
  const GbkText alipay = toGbk(ui_->编辑框_修改个人资_支付宝->text());
  if (const auto problem = profileProblem(answer, qq, realName, alipay)) {
    return context_.dialogs.inform(this, *problem);
  }
  const SecurityChangeOutcome outcome =
      sendSecurityChange(context_, endpoint::kChangeProfile,
                         {removeAllSpaces(answer), removeAllSpaces(qq), removeAllSpaces(realName),
                          removeAllSpaces(alipay)});
  if (outcome.saved) {
    ui_->编辑框_修改个人资_安全答案->clear();
    // The session takes the boxes as they stand, read again.
    SessionState& session = context_.session;
    session.contactQq = toGbk(ui_->编辑框_修改个人资_联系QQ->text());
    session.realName = toGbk(ui_->编辑框_修改个人资_真实姓名->text());
    session.alipayAccount = toGbk(ui_->编辑框_修改个人资_支付宝->text());
  }
  showSecurityChangeReply(context_, this, outcome);
}

}  // namespace verdomo
