#include "funds/sms_records_page.h"

#include <QRegularExpressionValidator>
#include <QTreeWidget>
#include <array>

#include "ui/accessible_names.h"
#include "ui/list_columns.h"
#include "ui_sms_records_page.h"

namespace verdomo {
namespace {

// Column widths in column order: 序号, 项目ID, 名称, 手机号码, 价格, 时间, 短信内容.
constexpr std::array kRecordColumns{100, 100, 200, 100, 50, 130, 300};

}  // namespace

SmsRecordsPage::SmsRecordsPage(AppContext& context, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::SmsRecordsPage>()), context_(context) {
  ui_->setupUi(this);
  setColumnWidths(ui_->超级列表框_短信明细, kRecordColumns);
  // The box takes whole numbers only.
  ui_->编辑框_短信明细_搜索->setValidator(new QRegularExpressionValidator(
      QRegularExpression(QStringLiteral("[0-9]*")), ui_->编辑框_短信明细_搜索));
  nameControlsByLabels(this);
}

SmsRecordsPage::~SmsRecordsPage() = default;

}  // namespace verdomo
