#include "docking/public_docking_page.h"

#include <QTreeWidget>
#include <array>

#include "ui/accessible_names.h"
#include "ui/list_columns.h"
#include "ui_public_docking_page.h"

namespace verdomo {
namespace {

// Column widths in column order: 对接码, 项目名称, 价格, 类型, the docking state (never
// shown), 供卡数量.
constexpr std::array kPublicColumns{150, 340, 100, 100, 0, 300};

}  // namespace

PublicDockingPage::PublicDockingPage(AppContext& context, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::PublicDockingPage>()), context_(context) {
  ui_->setupUi(this);
  setColumnWidths(ui_->超级列表框_公开专属列表, kPublicColumns);
  // The docking state rides along with each row, unseen.
  ui_->超级列表框_公开专属列表->setColumnHidden(4, true);
  nameControlsByLabels(this);
}

PublicDockingPage::~PublicDockingPage() = default;

}  // namespace verdomo
