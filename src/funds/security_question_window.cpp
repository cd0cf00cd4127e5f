#include "funds/security_question_window.h"

#include "ui/accessible_names.h"
#include "ui_security_question_window.h"

namespace verdomo {

SecurityQuestionWindow::SecurityQuestionWindow(AppContext& context, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::SecurityQuestionWindow>()), context_(context) {
  ui_->setupUi(this);
  nameControlsByLabels(this);
}

SecurityQuestionWindow::~SecurityQuestionWindow() = default;

}  // namespace verdomo
