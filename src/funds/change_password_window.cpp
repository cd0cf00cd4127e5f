#include "funds/change_password_window.h"

#include "api/gbk_text.h"
#include "funds/security_checks.h"
#include "funds/security_window_common.h"
#include "ui/accessible_names.h"
#include "ui/dialogs.h"
#include "ui/gbk_qt.h"
#include "ui_change_password_window.h"

namespace verdomo {

using namespace verdomo::literals;

ChangePasswordWindow::ChangePasswordWindow(AppContext& context, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::ChangePasswordWindow>()), context_(context) {
  ui_->setupUi(this);
  nameControlsByLabels(this);
  showOnlyQuestion(ui_->组合框_修改密码_安全问题, context.session.securityQuestion);
  ui_->编辑框_修改密码_安全答案->setFocus();
  connect(ui_->按钮_修改密码_保存, &QPushButton::clicked, this,
          &ChangePasswordWindow::savePassword);
}

ChangePasswordWindow::~ChangePasswordWindow() = default;

// The window stays open after a change, and the session keeps the old password: the platform
// asks for a new sign-in, and the workers go on as they were until the client is restarted.
void ChangePasswordWindow::savePassword() {
  const GbkText answer = toGbk(ui_->编辑框_修改密码_安全答案->text());
  const GbkText newPassword = toGbk(ui_->编辑框_修改密码_新密码->text());
  const GbkText confirmation = toGbk(ui_->编辑框_修改密码_确认码->text());
  if (const auto problem = passwordChangeProblem(answer, newPassword, confirmation)) {
    return context_.dialogs.inform(this, *problem);
  }
  const SecurityChangeOutcome outcome =
      sendSecurityChange(context_, endpoint::kChangePassword,
                         {removeAllSpaces(answer), removeAllSpaces(confirmation)});
  if (!outcome.saved) return showSecurityChangeReply(context_, this, outcome);
  ui_->编辑框_修改密码_安全答案->clear();
  ui_->编辑框_修改密码_新密码->clear();
  ui_->编辑框_修改密码_确认码->clear();
  context_.dialogs.inform(this, "修改成功,请重新登录。"_gbk);
}

}  // namespace verdomo
