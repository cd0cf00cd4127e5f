#include "funds/sms_records_page.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QTreeWidget>
#include <array>

#include "api/endpoint_index.h"
#include "funds/paged_record_view.h"
#include "ui/accessible_names.h"
#include "ui/list_rows.h"
#include "ui_sms_records_page.h"

namespace verdomo {
namespace {

// Column widths in column order: 序号, 项目ID, 名称, 手机号码, 价格, 时间, 短信内容.
constexpr std::array kRecordColumns{100, 100, 200, 100, 50, 130, 300};
enum Column { kSerial = 0, kPhone = 3, kSmsText = 6 };

}  // namespace

SmsRecordsPage::SmsRecordsPage(AppContext& context, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::SmsRecordsPage>()) {
  ui_->setupUi(this);
  nameControlsByLabels(this);
  view_ = new PagedRecordView(
      context, this,
      {ui_->超级列表框_短信明细, ui_->透明标签32, ui_->透明标签34, ui_->编辑框_短信明细_搜索,
       ui_->透明标签_短信明细_页数, ui_->进度条4, ui_->超级按钮_短信明细_刷新,
       ui_->超级按钮_短信明细_首页, ui_->超级按钮_短信明细_上一页, ui_->超级按钮_短信明细_下一页,
       ui_->超级按钮_短信明细_尾页, ui_->按钮_短信明细_搜索},
      {&endpoint::kSmsRecords, &endpoint::kSmsRecordsPage, &endpoint::kSmsRecordSearch,
       &endpoint::kSmsRecordSearchPage},
      kRecordColumns);
  copyMenu_ = new QMenu(QStringLiteral("资金明细复制"), this);
  copyMenu_->setObjectName(QStringLiteral("资金明细复制"));
  connect(copyMenu_->addAction(QStringLiteral("复制手机号码(E)")), &QAction::triggered, this,
          [this] { copySelectedCell(kPhone); });
  connect(copyMenu_->addAction(QStringLiteral("复制短信内容(W)")), &QAction::triggered, this,
          [this] { copySelectedCell(kSmsText); });
  onListContextMenu(ui_->超级列表框_短信明细, this, [this](const QPoint& at) { showCopyMenu(at); });
}

SmsRecordsPage::~SmsRecordsPage() = default;

void SmsRecordsPage::refreshSmsRecords() {
  view_->refresh();
}

void SmsRecordsPage::showCopyMenu(const QPoint& globalPosition) {
  const QTreeWidgetItem* row = selectedRow(ui_->超级列表框_短信明细);
  if (row != nullptr && !row->text(kSerial).isEmpty()) copyMenu_->popup(globalPosition);
}

void SmsRecordsPage::copySelectedCell(int column) {
  const QTreeWidgetItem* row = selectedRow(ui_->超级列表框_短信明细);
  if (row == nullptr || row->text(kSerial).isEmpty()) return;
  QGuiApplication::clipboard()->setText(row->text(column));
}

}  // namespace verdomo
