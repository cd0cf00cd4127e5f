#include "funds/recharge_records_page.h"

#include <QTreeWidget>
#include <array>

#include "ui/accessible_names.h"
#include "ui/list_columns.h"
#include "ui_recharge_records_page.h"

namespace verdomo {
namespace {

// Column widths in column order: 序号, 订单, 充值金额, 充值时间, 处理结果.
constexpr std::array kRechargeColumns{100, 400, 120, 200, 170};

}  // namespace

RechargeRecordsPage::RechargeRecordsPage(AppContext& context, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::RechargeRecordsPage>()), context_(context) {
  ui_->setupUi(this);
  setColumnWidths(ui_->超级列表框_充值记录, kRechargeColumns);
  nameControlsByLabels(this);
}

RechargeRecordsPage::~RechargeRecordsPage() = default;

}  // namespace verdomo
