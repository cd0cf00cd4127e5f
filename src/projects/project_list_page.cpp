#include "projects/project_list_page.h"

#include <QMenu>
#include <QTreeWidget>
#include <array>

#include "api/reply_forms.h"
#include "api/text_to_int.h"
#include "projects/project_catalogue.h"
#include "ui/accessible_names.h"
#include "ui/busy_progress.h"
#include "ui/dialogs.h"
#include "ui/event_loop_pause.h"
#include "ui/gbk_qt.h"
#include "ui/list_columns.h"
#include "ui/list_rows.h"
#include "ui/requester.h"
#include "ui/transport_failure_message.h"
#include "ui_project_list_page.h"

namespace verdomo {
namespace {

using namespace verdomo::literals;

// Column widths in column order: 项目ID, 名称, 价格, 类型, 收藏.
constexpr std::array kCatalogueColumns{100, 400, 150, 120, 200};
enum Column { kId = 0, kName = 1, kPrice = 2, kFavourite = 4 };

QMenu* projectMenu(QWidget* parent, const char* title, const char* item, QWidget* receiver,
                   void (ProjectListPage::*handler)()) {
  auto* menu = new QMenu(QString::fromUtf8(title), parent);
  menu->setObjectName(QString::fromUtf8(title));
  QObject::connect(menu->addAction(QString::fromUtf8(item)), &QAction::triggered, receiver,
                   [receiver, handler] { (static_cast<ProjectListPage*>(receiver)->*handler)(); });
  return menu;
}

}  // namespace

ProjectListPage::ProjectListPage(AppContext& context, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::ProjectListPage>()), context_(context) {
  ui_->setupUi(this);
  QTreeWidget* list = ui_->超级列表框_项目列表_收短信;
  setColumnWidths(list, kCatalogueColumns);
  nameControlsByLabels(this);
  addMenu_ = projectMenu(this, "短信收藏项目", "收藏(S)", this, &ProjectListPage::addFavourite);
  removeMenu_ =
      projectMenu(this, "取消收藏项目", "取消收藏(A)", this, &ProjectListPage::removeFavourite);
  onListContextMenu(list, this, [this](const QPoint& at) { showProjectMenu(at); });
  connect(ui_->按钮_项目列表_收短信_刷新, &QPushButton::clicked, this,
          &ProjectListPage::refreshCatalogue);
  connect(ui_->按钮_项目列表_收短信_搜索, &QPushButton::clicked, this,
          &ProjectListPage::searchCatalogue);
  connect(ui_->选择框_已收藏项目列表, &QCheckBox::clicked, this,
          &ProjectListPage::toggleFavouritesView);
}

ProjectListPage::~ProjectListPage() = default;

void ProjectListPage::refreshCatalogue() {
  loadCatalogue({});
}

void ProjectListPage::searchCatalogue() {
  const GbkText searchText = toGbk(ui_->编辑框_项目列表_收短信_搜索项目->text());
  if (searchText.empty()) {  // a text of spaces is a search of its own
    context_.dialogs.inform(this, "请输入搜索内容"_gbk);
    return;
  }
  loadCatalogue(searchText);
}

void ProjectListPage::loadCatalogue(const GbkText& searchText) {
  UiRequester requester(context_.pacing);
  {
    ui_->选择框_已收藏项目列表->setChecked(false);
    ui_->超级列表框_项目列表_收短信->clear();
    EventLoopPause pause(context_.pacing);
    BusyProgress busy(window(), ui_->进度条1, pause);
    const SessionState& session = context_.session;
    const GbkText reply =
        requester.getText(catalogueUrl(session.addresses, session.credentials(), searchText));
    ui_->进度条1->setValue(ui_->进度条1->maximum());  // full while the list fills
    showRows(catalogueRows(reply));
  }
  sayWhenUnanswered(requester);
}

void ProjectListPage::toggleFavouritesView() {
  if (ui_->选择框_已收藏项目列表->isChecked()) {
    showFavouritesInCatalogue();
  } else {
    refreshCatalogue();
  }
}

void ProjectListPage::showFavouritesInCatalogue() {
  UiRequester requester(context_.pacing);
  {
    ui_->超级列表框_项目列表_收短信->clear();
    EventLoopPause pause(context_.pacing);
    BusyProgress busy(window(), ui_->进度条1, pause);
    const SessionState& session = context_.session;
    const GbkText reply = requester.getText(
        requestUrl(session.addresses, session.credentials(), endpoint::kReceiveFavourites));
    showRows(favouriteRows(reply));
  }
  sayWhenUnanswered(requester);
}

// After a load, once the window is enabled again: a list left empty because the request got no
// reply says so.
void ProjectListPage::sayWhenUnanswered(const PlatformRequester& requester) {
  if (requester.lastFailure() == TransportFailure::None) return;
  informReply(context_.dialogs, this, {}, requester.lastFailure());
}

// Rows go in at once, so that a catalogue of tens of thousands of projects fills quickly.
void ProjectListPage::showRows(const std::vector<ProjectRecord>& rows) {
  QTreeWidget* list = ui_->超级列表框_项目列表_收短信;
  QList<QTreeWidgetItem*> items;
  items.reserve(static_cast<qsizetype>(rows.size()));
  for (const ProjectRecord& row : rows) {
    items.append(
        new QTreeWidgetItem(QStringList{fromGbk(row.id), fromGbk(row.name), fromGbk(row.price),
                                        fromGbk(row.kind), fromGbk(row.favourite)}));
  }
  list->setUpdatesEnabled(false);
  list->addTopLevelItems(items);
  list->setUpdatesEnabled(true);
}

QTreeWidgetItem* ProjectListPage::selectedRow() const {
  return verdomo::selectedRow(ui_->超级列表框_项目列表_收短信);
}

GbkText ProjectListPage::selectedCell(int column) const {
  const QTreeWidgetItem* row = selectedRow();
  return row == nullptr ? GbkText() : toGbk(row->text(column));
}

void ProjectListPage::showProjectMenu(const QPoint& globalPosition) {
  if (textToInt(selectedCell(kId)) < 1000) return;
  QMenu* menu = ui_->选择框_已收藏项目列表->isChecked() ? removeMenu_ : addMenu_;
  menu->popup(globalPosition);
}

void ProjectListPage::addFavourite() {
  const GbkText id = selectedCell(kId);
  GbkText reply;
  TransportFailure failure = TransportFailure::None;
  if (!id.empty()) {
    UiRequester requester(context_.pacing);
    const SessionState& session = context_.session;
    reply = requester.getText(
        requestUrl(session.addresses, session.credentials(), endpoint::kAddFavourite,
                   {id + "#c-" + selectedCell(kName) + "#c-" + selectedCell(kPrice)}));
    failure = requester.lastFailure();
  }
  QTreeWidgetItem* row = selectedRow();
  if (row != nullptr && keywordReplySucceeded(reply)) {
    row->setText(kFavourite, QStringLiteral("√"));
  } else {
    informReply(context_.dialogs, this, reply, failure);
  }
}

void ProjectListPage::removeFavourite() {
  const GbkText id = selectedCell(kId);
  if (textToInt(id) <= 999) return;
  UiRequester requester(context_.pacing);
  {
    EventLoopPause pause(context_.pacing);
    BusyProgress busy(window(), ui_->进度条1, pause);
    const SessionState& session = context_.session;
    const GbkText reply = requester.getText(
        requestUrl(session.addresses, session.credentials(), endpoint::kRemoveFavourite, {id}));
    if (keywordReplySucceeded(reply)) delete selectedRow();  // the row selected now
  }
  sayWhenUnanswered(requester);  // a refusal says nothing
}

}  // namespace verdomo
