#include "projects/project_list_page.h"

#include <QTreeWidget>
#include <array>

#include "ui/accessible_names.h"
#include "ui_project_list_page.h"

namespace verdomo {
namespace {

// Column widths in column order: 项目ID, 名称, 价格, 类型, 收藏.
constexpr std::array kCatalogueColumns{100, 400, 150, 120, 200};

}  // namespace

ProjectListPage::ProjectListPage(AppContext& context, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::ProjectListPage>()), context_(context) {
  ui_->setupUi(this);
  for (std::size_t column = 0; column < kCatalogueColumns.size(); ++column) {
    ui_->超级列表框_项目列表_收短信->setColumnWidth(static_cast<int>(column),
                                                    kCatalogueColumns[column]);
  }
  nameControlsByLabels(this);
}

ProjectListPage::~ProjectListPage() = default;

}  // namespace verdomo
