#include "receive/receive_page.h"

#include <QTreeWidget>
#include <array>

#include "projects/favourites_ports.h"
#include "ui/accessible_names.h"
#include "ui_receive_page.h"

namespace verdomo {
namespace {

// Column widths in column order: 序号, 手机号码, 归属地, 验证码, 状态, 短信内容,
// then the take time and the project ID of the take.
constexpr std::array kNumberColumns{70, 120, 130, 100, 260, 300, 0, 0};

}  // namespace

ReceivePage::ReceivePage(AppContext& context, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::ReceivePage>()), context_(context) {
  ui_->setupUi(this);
  for (std::size_t column = 0; column < kNumberColumns.size(); ++column) {
    ui_->超级列表框_取码_列表框->setColumnWidth(static_cast<int>(column), kNumberColumns[column]);
  }
  // The take time and the project ID ride along with each row, unseen.
  ui_->超级列表框_取码_列表框->setColumnHidden(6, true);
  ui_->超级列表框_取码_列表框->setColumnHidden(7, true);
  nameControlsByLabels(this);
  connect(ui_->按钮_取号刷新, &QPushButton::clicked, this, &ReceivePage::startFavouritesWorker);
}

ReceivePage::~ReceivePage() = default;

void ReceivePage::startFavouritesWorker() {
  startReceiveFavouritesWorker(context_, window(), ui_->组合框_取号_项目列表, workers_.token());
}

}  // namespace verdomo
