#include "funds/withdrawal_records_page.h"

#include <QMenu>
#include <QTreeWidget>
#include <array>

#include "api/endpoint_index.h"
#include "funds/record_list_load.h"
#include "funds/record_replies.h"
#include "ui/accessible_names.h"
#include "ui/gbk_qt.h"
#include "ui/list_columns.h"
#include "ui/list_rows.h"
#include "ui/tab_page.h"
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
  refreshMenu_ = new QMenu(QStringLiteral("提现刷新"), this);
  refreshMenu_->setObjectName(QStringLiteral("提现刷新"));
  connect(refreshMenu_->addAction(QStringLiteral("刷新(S)")), &QAction::triggered, this,
          &WithdrawalRecordsPage::showWithdrawalRecords);
  onListContextMenu(ui_->超级列表框_提现明细, this,
                    [this](const QPoint& at) { refreshMenu_->popup(at); });
}

WithdrawalRecordsPage::~WithdrawalRecordsPage() = default;

void WithdrawalRecordsPage::refreshWithdrawalRecords() {
  QTreeWidget* list = ui_->超级列表框_提现明细;
  loadRecordList(context_, this, list, ui_->进度条5, endpoint::kWithdrawalRecords,
                 [list](const GbkText& reply) {
                   std::vector<QStringList> rows;
                   for (const WithdrawalRecord& r : withdrawalRecords(reply)) {
                     rows.push_back({fromGbk(r.name), fromGbk(r.account), fromGbk(r.amount),
                                     fromGbk(r.time), fromGbk(r.result)});
                   }
                   appendNumberedRows(list, rows);
                 });
}

void WithdrawalRecordsPage::showWithdrawalRecords() {
  showTabPage(this);
  refreshWithdrawalRecords();
  if (menuButton_) menuButton_->setFocus();
}

}  // namespace verdomo
