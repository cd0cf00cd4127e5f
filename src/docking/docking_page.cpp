#include "docking/docking_page.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QTreeWidget>
#include <array>

#include "api/gbk_text.h"
#include "api/reply_forms.h"
#include "docking/docking_rows.h"
#include "ui/accessible_names.h"
#include "ui/busy_progress.h"
#include "ui/dialogs.h"
#include "ui/event_loop_pause.h"
#include "ui/gbk_qt.h"
#include "ui/list_columns.h"
#include "ui/list_rows.h"
#include "ui/requester.h"
#include "ui/transport_failure_message.h"
#include "ui_docking_page.h"

namespace verdomo {
namespace {

using namespace verdomo::literals;

// Column widths in column order: 对接码, 项目名称, 价格, 类型, 状态, 供卡数量.
constexpr std::array kDockingColumns{130, 400, 80, 90, 90, 178};

}  // namespace

DockingPage::DockingPage(AppContext& context, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::DockingPage>()), context_(context) {
  ui_->setupUi(this);
  QTreeWidget* list = ui_->超级列表框_专属列表;
  setColumnWidths(list, kDockingColumns);
  nameControlsByLabels(this);
  buildMenus();
  onListContextMenu(list, this, [this](const QPoint& at) { showDockingMenu(at); });
  connect(ui_->超级按钮_加入对接, &QToolButton::clicked, this, &DockingPage::openJoinPanel);
  connect(ui_->超级按钮_删除对接, &QToolButton::clicked, this, &DockingPage::deleteDocking);
  connect(ui_->超级按钮_专属_刷新, &QToolButton::clicked, this, &DockingPage::refreshDockingList);
  connect(ui_->按钮_加入对接, &QPushButton::clicked, this, &DockingPage::joinDocking);
  connect(ui_->按钮_加入对接取消, &QPushButton::clicked, this, &DockingPage::closeJoinPanel);
}

DockingPage::~DockingPage() = default;

void DockingPage::buildMenus() {
  pauseMenu_ = addMenu("暂停对接", {{"复制对接码", &DockingPage::copyDockingCode},
                                    {"暂停对接(Z)", &DockingPage::pauseDocking},
                                    {"删除对接(T)", &DockingPage::deleteDocking},
                                    {"刷新(W)", &DockingPage::refreshDockingList}});
  resumeMenu_ = addMenu("恢复对接", {{"复制对接码(Y)", &DockingPage::copyDockingCode},
                                     {"恢复对接(H)", &DockingPage::resumeDocking},
                                     {"删除对接(P)", &DockingPage::deleteDocking},
                                     {"刷新(K)", &DockingPage::refreshDockingList}});
  refreshMenu_ = addMenu("专属刷新", {{"刷新(Q)", &DockingPage::refreshDockingList}});
}

QMenu* DockingPage::addMenu(
    const char* title,
    std::initializer_list<std::pair<const char*, void (DockingPage::*)()>> items) {
  auto* menu = new QMenu(QString::fromUtf8(title), this);
  menu->setObjectName(QString::fromUtf8(title));
  for (const auto& [caption, handler] : items)
    connect(menu->addAction(QString::fromUtf8(caption)), &QAction::triggered, this, handler);
  return menu;
}

void DockingPage::refreshDockingList() {
  UiRequester requester(context_.pacing);
  {
    QTreeWidget* list = ui_->超级列表框_专属列表;
    list->clear();
    EventLoopPause pause(context_.pacing);
    BusyProgress busy(window(), ui_->进度条3, pause);
    const SessionState& session = context_.session;
    const GbkText reply = requester.getText(
        requestUrl(session.addresses, session.credentials(), endpoint::kDockingList));
    showDockingRecords(list, dockingRecords(reply));
  }
  // Said once the window is enabled again.
  if (requester.lastFailure() != TransportFailure::None) {
    informReply(context_.dialogs, this, {}, requester.lastFailure());
  }
}

void DockingPage::openJoinPanel() {
  ui_->编辑框_加入对接->clear();
  ui_->分组框_加入对接->setVisible(true);
  ui_->编辑框_加入对接->setFocus();
}

void DockingPage::closeJoinPanel() {
  ui_->分组框_加入对接->setVisible(false);  // the box keeps its text until the panel opens again
}

void DockingPage::joinDocking() {
  const GbkText code = trimSpaces(toGbk(ui_->编辑框_加入对接->text()));
  if (!dockingCodeAccepted(code)) return context_.dialogs.inform(this, "对接码输入错误"_gbk);
  UiRequester requester(context_.pacing);
  const SessionState& session = context_.session;
  const GbkText reply = requester.getText(
      requestUrl(session.addresses, session.credentials(), endpoint::kJoinDocking, {code}));
  if (!keywordReplySucceeded(reply)) {
    return informReply(context_.dialogs, this, reply, requester.lastFailure());
  }
  closeJoinPanel();
  refreshDockingList();
}

void DockingPage::pauseDocking() {
  const GbkText code = selectedCell(kDockingCode);
  if (!dockingCodeAccepted(code)) return context_.dialogs.inform(this, "操作对接失败"_gbk);
  if (selectedCell(kDockingState) != "正常"_gbk) return;
  switchDockingState(code, "暂停对接", "暂停");
}

void DockingPage::resumeDocking() {
  // The state is not looked at: the menu that offers this item comes up for a paused row only.
  const GbkText code = selectedCell(kDockingCode);
  if (!dockingCodeAccepted(code)) return context_.dialogs.inform(this, "操作对接失败"_gbk);
  switchDockingState(code, "恢复对接", "正常");
}

void DockingPage::switchDockingState(const GbkText& code, const char* question,
                                     const char* newState) {
  if (!context_.dialogs.confirm(this, QString::fromUtf8(question), kDefaultCaption,
                                ConfirmButtons::YesNo, MessageIcon::None)) {
    return;
  }
  changeDocking(endpoint::kSwitchDockingState, code, [newState](QTreeWidgetItem* row) {
    row->setText(kDockingState, QString::fromUtf8(newState));
  });
}

void DockingPage::deleteDocking() {
  const GbkText code = selectedCell(kDockingCode);
  if (!dockingCodeAccepted(code)) return context_.dialogs.inform(this, "请选择要删除的对接"_gbk);
  if (!context_.dialogs.confirm(this, QStringLiteral("删除对接"), kDefaultCaption,
                                ConfirmButtons::YesNo, MessageIcon::None)) {
    return;
  }
  changeDocking(endpoint::kDeleteDocking, code, [](QTreeWidgetItem* row) { delete row; });
}

// The change goes to the row that holds the code that was sent: the selection may have moved
// while the request ran, and another docking must not be shown as changed.
void DockingPage::changeDocking(const Endpoint& endpoint, const GbkText& code,
                                const std::function<void(QTreeWidgetItem*)>& change) {
  UiRequester requester(context_.pacing);
  const SessionState& session = context_.session;
  const GbkText reply =
      requester.getText(requestUrl(session.addresses, session.credentials(), endpoint, {code}));
  if (!keywordReplySucceeded(reply)) {
    return informReply(context_.dialogs, this, reply, requester.lastFailure());
  }
  if (QTreeWidgetItem* row = rowWithCode(code)) change(row);
}

void DockingPage::copyDockingCode() {
  const GbkText code = selectedCell(kDockingCode);
  if (!code.empty()) QGuiApplication::clipboard()->setText(fromGbk(code));
}

void DockingPage::showDockingMenu(const QPoint& globalPosition) {
  QMenu* menu = refreshMenu_;
  if (!selectedCell(kDockingCode).empty()) {
    menu = selectedCell(kDockingState) == "暂停"_gbk ? resumeMenu_ : pauseMenu_;
  }
  menu->popup(globalPosition);
}

GbkText DockingPage::selectedCell(int column) const {
  const QTreeWidgetItem* row = selectedRow(ui_->超级列表框_专属列表);
  return row == nullptr ? GbkText() : toGbk(row->text(column));
}

QTreeWidgetItem* DockingPage::rowWithCode(const GbkText& code) const {
  QTreeWidget* list = ui_->超级列表框_专属列表;
  for (int index = 0; index < list->topLevelItemCount(); ++index) {
    if (toGbk(list->topLevelItem(index)->text(kDockingCode)) == code) {
      return list->topLevelItem(index);
    }
  }
  return nullptr;
}

}  // namespace verdomo
