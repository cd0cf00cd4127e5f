#include "funds/referral_records_page.h"

#include <array>

#include "api/endpoint_index.h"
#include "funds/paged_record_view.h"
#include "ui/accessible_names.h"
#include "ui_referral_records_page.h"

namespace verdomo {
namespace {

// Column widths in column order: 序号, 项目ID, 名称, 手机号码, 价格, 时间, 短信内容.
constexpr std::array kRecordColumns{90, 90, 200, 130, 50, 130, 300};

}  // namespace

ReferralRecordsPage::ReferralRecordsPage(AppContext& context, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::ReferralRecordsPage>()) {
  ui_->setupUi(this);
  nameControlsByLabels(this);
  view_ = new PagedRecordView(
      context, this,
      {ui_->超级列表框_推荐人明细, ui_->透明标签32_推荐人, ui_->透明标签34_推荐人,
       ui_->编辑框_推荐人明细_搜索, ui_->透明标签_推荐人明细_页数, ui_->进度条6,
       ui_->超级按钮_推荐人明细_刷新, ui_->超级按钮_推荐人明细_首页,
       ui_->超级按钮_推荐人明细_上一页, ui_->超级按钮_推荐人明细_下一页,
       ui_->超级按钮_推荐人明细_尾页, ui_->按钮_推荐人明细_搜索},
      {&endpoint::kReferralRecords, &endpoint::kReferralRecordsPage,
       &endpoint::kReferralRecordSearch, &endpoint::kReferralRecordSearchPage},
      kRecordColumns);
}

ReferralRecordsPage::~ReferralRecordsPage() = default;

void ReferralRecordsPage::refreshReferralRecords() {
  view_->refresh();
}

}  // namespace verdomo
