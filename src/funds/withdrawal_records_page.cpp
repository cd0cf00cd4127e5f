#include "funds/withdrawal_records_page.h"

#include <QTreeWidget>
#include <array>

#include "ui/accessible_names.h"
#include "ui/list_columns.h"
#include "ui_withdrawal_records_page.h"

namespace verdomo {
namespace {

// Column widths in column order: 序号, 姓名, 账户, 金额, 申请提现时间, 处理结果.
constexpr std::array kWithdrawalColumns{100, 100, 150, 100, 230, 300};

}  // namespace

WithdrawalRecordsPage::WithdrawalRecordsPage(AppContext& context, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::WithdrawalRecordsPage>()), context_(context) {
  ui_->setupUi(this);
  setColumnWidths(ui_->超级列表框_提现明细, kWithdrawalColumns);
  nameControlsByLabels(this);
}

WithdrawalRecordsPage::~WithdrawalRecordsPage() = default;

}  // namespace verdomo
