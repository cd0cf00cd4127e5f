#include "docking/docking_page.h"

#include <QTreeWidget>
#include <array>

#include "ui/accessible_names.h"
#include "ui/list_columns.h"
#include "ui_docking_page.h"

namespace verdomo {
namespace {

// Column widths in column order: 对接码, 项目名称, 价格, 类型, 状态, 供卡数量.
constexpr std::array kDockingColumns{130, 400, 80, 90, 90, 178};

}  // namespace

DockingPage::DockingPage(AppContext& context, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::DockingPage>()), context_(context) {
  ui_->setupUi(this);
  setColumnWidths(ui_->超级列表框_专属列表, kDockingColumns);
  nameControlsByLabels(this);
}

DockingPage::~DockingPage() = default;

}  // namespace verdomo
