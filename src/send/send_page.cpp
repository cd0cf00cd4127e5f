#include "send/send_page.h"

#include "projects/favourite_lists.h"
#include "projects/favourites_ports.h"
#include "ui/accessible_names.h"
#include "ui/gbk_qt.h"
#include "ui_send_page.h"

namespace verdomo {

SendPage::SendPage(AppContext& context, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::SendPage>()), context_(context) {
  ui_->setupUi(this);
  nameControlsByLabels(this);
  connect(ui_->按钮_发短信刷新, &QPushButton::clicked, this, &SendPage::startFavouritesWorker);
  // Only a pick by the user refills the numbers; a selection made by the program does not.
  connect(ui_->组合框_发短信_项目列表, &QComboBox::activated, this, &SendPage::fillSenderNumbers);
}

SendPage::~SendPage() = default;

void SendPage::startFavouritesWorker() {
  startSendFavouritesWorker(context_, window(), ui_->组合框_发短信_项目列表, ui_->组合框_发送号码,
                            workers_.token());
}

void SendPage::fillSenderNumbers() {
  const GbkText key = sendItemKey(toGbk(ui_->组合框_发短信_项目列表->currentText()));
  if (key.empty()) return;
  QComboBox* numbers = ui_->组合框_发送号码;
  numbers->clear();
  for (const GbkText& number : senderNumbers(context_.session.sendProjectLines, key)) {
    numbers->addItem(fromGbk(number));
  }
  numbers->setCurrentIndex(0);
}

}  // namespace verdomo
