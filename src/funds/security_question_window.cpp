#include "funds/security_question_window.h"

#include "api/gbk_text.h"
#include "funds/security_checks.h"
#include "funds/security_window_common.h"
#include "ui/accessible_names.h"
#include "ui/dialogs.h"
#include "ui/gbk_qt.h"
#include "ui_security_question_window.h"

namespace verdomo {

SecurityQuestionWindow::SecurityQuestionWindow(AppContext& context, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::SecurityQuestionWindow>()), context_(context) {
  ui_->setupUi(this);
  nameControlsByLabels(this);
  showOnlyQuestion(ui_->组合框_修改安全信息_旧问题, context.session.securityQuestion);
  ui_->编辑框_修改安全信息_旧答案->setFocus();
  connect(ui_->按钮_修改安全信息_保存, &QPushButton::clicked, this,
          &SecurityQuestionWindow::saveSecurityQuestion);
}

SecurityQuestionWindow::~SecurityQuestionWindow() = default;

void SecurityQuestionWindow::saveSecurityQuestion() {
  const GbkText currentAnswer = toGbk(ui_->编辑框_修改安全信息_旧答案->text());
  const GbkText newAnswer = toGbk(ui_->编辑框_修改安全信息_新答案->text());
  if (const auto problem = securityQuestionProblem(currentAnswer, newAnswer)) {
    return context_.dialogs.inform(this, *problem);
  }
  QComboBox* newQuestions = ui_->组合框_修改安全信息_新问题;
  // The question goes as its item's text, spaces and all.
  const SecurityChangeOutcome outcome =
      sendSecurityChange(context_, endpoint::kChangeSecurity,
                         {removeAllSpaces(currentAnswer), toGbk(newQuestions->currentText()),
                          removeAllSpaces(newAnswer)});
  if (outcome.saved) {
    context_.session.securityQuestion = toGbk(newQuestions->currentText());
    showOnlyQuestion(ui_->组合框_修改安全信息_旧问题, context_.session.securityQuestion);
    ui_->编辑框_修改安全信息_旧答案->clear();
    newQuestions->setCurrentIndex(0);
    ui_->编辑框_修改安全信息_新答案->clear();
  }
  showSecurityChangeReply(context_, this, outcome);
}

}  // namespace verdomo
