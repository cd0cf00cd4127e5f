#include "funds/recharge_records_page.h"

#include <QClipboard>
#include <QGuiApplication>
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
#include "ui_recharge_records_page.h"

namespace verdomo {
namespace {

// Column widths in column order: 序号, 订单, 充值金额, 充值时间, 处理结果.
constexpr std::array kRechargeColumns{100, 400, 120, 200, 170};
constexpr int kOrderColumn = 1;

}  // namespace

RechargeRecordsPage::RechargeRecordsPage(AppContext& context, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::RechargeRecordsPage>()), context_(context) {
  ui_->setupUi(this);
  setColumnWidths(ui_->超级列表框_充值记录, kRechargeColumns);
  nameControlsByLabels(this);
  copyMenu_ = new QMenu(QStringLiteral("复制订单"), this);
  copyMenu_->setObjectName(QStringLiteral("复制订单"));
  connect(copyMenu_->addAction(QStringLiteral("复制订单号(F)")), &QAction::triggered, this,
          &RechargeRecordsPage::copyOrderNumber);
  connect(copyMenu_->addAction(QStringLiteral("刷新(Y)")), &QAction::triggered, this,
          &RechargeRecordsPage::refreshRechargeRecords);
  onListContextMenu(ui_->超级列表框_充值记录, this,
                    [this](const QPoint& at) { copyMenu_->popup(at); });
}

RechargeRecordsPage::~RechargeRecordsPage() = default;

void RechargeRecordsPage::refreshRechargeRecords() {
  showTabPage(this);
  QTreeWidget* list = ui_->超级列表框_充值记录;
  loadRecordList(
      context_, this, list, ui_->进度条2, endpoint::kRechargeRecords, [list](const GbkText& reply) {
        std::vector<QStringList> rows;
        for (const RechargeRecord& r : rechargeRecords(reply)) {
          rows.push_back({fromGbk(r.order), fromGbk(r.amount), fromGbk(r.time), fromGbk(r.result)});
        }
        appendNumberedRows(list, rows);
      });
}

void RechargeRecordsPage::copyOrderNumber() {
  const QTreeWidgetItem* row = selectedRow(ui_->超级列表框_充值记录);
  if (row != nullptr && !row->text(kOrderColumn).isEmpty()) {
    QGuiApplication::clipboard()->setText(row->text(kOrderColumn));
  }
}

}  // namespace verdomo
