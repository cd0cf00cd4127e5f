#include "docking/public_docking_page.h"

#include <QMenu>
#include <QTreeWidget>
#include <array>

#include "api/reply_forms.h"
#include "docking/docking_record.h"
#include "docking/docking_rows.h"
#include "docking/public_docking_ports.h"
#include "ui/accessible_names.h"
#include "ui/dialogs.h"
#include "ui/gbk_qt.h"
#include "ui/list_columns.h"
#include "ui/list_rows.h"
#include "ui/requester.h"
#include "ui/transport_failure_message.h"
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
  QTreeWidget* list = ui_->超级列表框_公开专属列表;
  setColumnWidths(list, kPublicColumns);
  // The docking state rides along with each row, unseen.
  list->setColumnHidden(kDockingState, true);
  nameControlsByLabels(this);
  joinMenu_ = new QMenu(QStringLiteral("公开加入专属"), this);
  joinMenu_->setObjectName(QStringLiteral("公开加入专属"));
  connect(joinMenu_->addAction(QStringLiteral("加入专属(J)")), &QAction::triggered, this,
          &PublicDockingPage::joinPublicDocking);
  connect(joinMenu_->addAction(QStringLiteral("刷新(R)")), &QAction::triggered, this,
          &PublicDockingPage::startPublicDockingWorker);
  onListContextMenu(list, this, [this](const QPoint& at) { showPublicDockingMenu(at); });
  connect(ui_->查找, &QPushButton::clicked, this, &PublicDockingPage::findPublicDocking);
  connect(ui_->查找下一个, &QPushButton::clicked, this, &PublicDockingPage::findNextPublicDocking);
  connect(ui_->查找上一个, &QPushButton::clicked, this,
          &PublicDockingPage::findPreviousPublicDocking);
}

PublicDockingPage::~PublicDockingPage() = default;

void PublicDockingPage::startPublicDockingWorker() {
  verdomo::startPublicDockingWorker(context_, this, ui_->超级列表框_公开专属列表, ui_->进度条7,
                                    loadButton_, workers_.token());
}

void PublicDockingPage::showPublicDockingMenu(const QPoint& globalPosition) {
  if (!selectedCode().empty()) joinMenu_->popup(globalPosition);
}

void PublicDockingPage::joinPublicDocking() {
  const GbkText code = selectedCode();
  if (code.empty()) return;
  UiRequester requester(context_.pacing);
  const SessionState& session = context_.session;
  // Whatever the platform answers is shown: a success as well as a refusal.
  const GbkText reply = requester.getText(
      requestUrl(session.addresses, session.credentials(), endpoint::kJoinDocking, {code}));
  informReply(context_.dialogs, this, reply, requester.lastFailure());
}

void PublicDockingPage::findPublicDocking() {
  find(FindStep::First);
}

void PublicDockingPage::findNextPublicDocking() {
  find(FindStep::Next);
}

void PublicDockingPage::findPreviousPublicDocking() {
  find(FindStep::Previous);
}

void PublicDockingPage::find(FindStep step) {
  QTreeWidget* list = ui_->超级列表框_公开专属列表;
  const GbkText findText = toGbk(ui_->编辑框_公开搜索->text());
  int& cursor = context_.session.publicFindCursor;
  const FindOutcome outcome =
      verdomo::findPublicDocking(columnTexts(list, kDockingName), findText, cursor, step);
  cursor = outcome.cursor;
  if (outcome.row) return selectRow(list, *outcome.row);
  context_.dialogs.message(this, QStringLiteral("找不到：") + fromGbk(findText), kDefaultCaption,
                           MessageIcon::None);
}

GbkText PublicDockingPage::selectedCode() const {
  const QTreeWidgetItem* row = selectedRow(ui_->超级列表框_公开专属列表);
  return row == nullptr ? GbkText() : trimSpaces(toGbk(row->text(kDockingCode)));
}

}  // namespace verdomo
