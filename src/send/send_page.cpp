#include "send/send_page.h"

#include "ui/accessible_names.h"
#include "ui_send_page.h"

namespace verdomo {

SendPage::SendPage(AppContext& context, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::SendPage>()), context_(context) {
  ui_->setupUi(this);
  nameControlsByLabels(this);
}

SendPage::~SendPage() = default;

}  // namespace verdomo
