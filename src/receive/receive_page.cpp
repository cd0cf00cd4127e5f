#include "receive/receive_page.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QTreeWidget>
#include <array>

#include "api/date_time_text.h"
#include "api/gbk_text.h"
#include "api/project_item.h"
#include "projects/favourites_ports.h"
#include "projects/project_catalogue.h"
#include "receive/receive_controls.h"
#include "receive/receive_page_ports.h"
#include "ui/accessible_names.h"
#include "ui/dialogs.h"
#include "ui/event_loop_pause.h"
#include "ui/gbk_qt.h"
#include "ui/list_columns.h"
#include "ui/requester.h"
#include "ui/transport_failure_message.h"
#include "ui/window_enabling.h"
#include "ui_receive_page.h"

namespace verdomo {
namespace {

using namespace verdomo::literals;

// Column widths in column order: 序号, 手机号码, 归属地, 验证码, 状态, 短信内容,
// then the take time and the project ID of the take.
constexpr std::array kNumberColumns{70, 120, 130, 100, 260, 300, 0, 0};
constexpr int kReceiveBeforeSearchMs = 300;
// The menu and the single-cell copies act on projects above this ID only.
constexpr int kLowestMenuProjectId = kLowestProjectId + 1;

void copyToClipboard(const GbkText& text) {
  QGuiApplication::clipboard()->setText(fromGbk(text));
}

}  // namespace

ReceivePage::ReceivePage(AppContext& context, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::ReceivePage>()), context_(context) {
  ui_->setupUi(this);
  QTreeWidget* list = ui_->超级列表框_取码_列表框;
  setColumnWidths(list, kNumberColumns);
  // The take time and the project ID ride along with each row, unseen.
  list->setColumnHidden(NumberList::kTakeTime, true);
  list->setColumnHidden(NumberList::kProjectId, true);
  nameControlsByLabels(this);
  controls_ = std::make_unique<ReceiveControls>(*ui_, this, context.dialogs, context.session);
  buildNumberMenu();
  list->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(list, &QTreeWidget::customContextMenuRequested, this, [this, list](const QPoint& at) {
    if (list->itemAt(at) != nullptr) showNumberMenu(list->viewport()->mapToGlobal(at));
  });
  connect(list, &QTreeWidget::itemDoubleClicked, this, &ReceivePage::copyOnDoubleClick);
  connect(ui_->按钮, &QPushButton::clicked, this, &ReceivePage::searchReceiveProjects);
  connect(ui_->按钮_取号刷新, &QPushButton::clicked, this, &ReceivePage::startFavouritesWorker);
  connect(ui_->选择框_取号_不过滤, &QCheckBox::clicked, this, [this](bool checked) {
    context_.session.receiveLoopFlag = GbkText(checked ? "2" : "1");
  });
  connect(ui_->按钮_取号_获取号码, &QPushButton::clicked, this, &ReceivePage::takeNumbers);
  connect(ui_->按钮_取号_指定, &QPushButton::clicked, this, &ReceivePage::takeSpecifiedNumber);
  connect(ui_->按钮_取号全部释放, &QPushButton::clicked, this, &ReceivePage::releaseWholeList);
  connect(ui_->按钮_取号_全部加黑, &QPushButton::clicked, this, &ReceivePage::blacklistWholeList);
}

ReceivePage::~ReceivePage() = default;

void ReceivePage::buildNumberMenu() {
  numberMenu_ = new QMenu(QStringLiteral("取号功能"), this);
  numberMenu_->setObjectName(QStringLiteral("取号功能"));
  const std::pair<const char*, std::function<void()>> items[] = {
      {"复制手机号码(A)", [this] { copySelectedCell(&NumberRow::phone); }},
      {"复制验证码(B)", [this] { copySelectedCell(&NumberRow::code); }},
      {"复制全部手机号码(D)", [this] { copyAllPhoneNumbers(); }},
      {"复制短信内容(C)", [this] { copySelectedCell(&NumberRow::smsText); }},
      {"再次使用号码", [this] { reuseNumber(); }},
      {"释放号码", [this] { releaseSelectedNumber(); }},
      {"拉黑号码", [this] { blacklistSelectedNumber(); }},
  };
  for (const auto& [caption, handler] : items)
    connect(numberMenu_->addAction(QString::fromUtf8(caption)), &QAction::triggered, this, handler);
}

void ReceivePage::startFavouritesWorker() {
  startReceiveFavouritesWorker(context_, window(), ui_->组合框_取号_项目列表, workers_.token());
}

void ReceivePage::startSmsPollWorker() {
  verdomo::startSmsPollWorker(context_, this, *controls_, workers_.token());
}

void ReceivePage::startAttributionWorker() {
  verdomo::startAttributionWorker(context_, this, *controls_, workers_.token());
}

void ReceivePage::searchReceiveProjects() {
  const GbkText searchText = removeAllSpaces(toGbk(ui_->编辑框1->text()));
  if (searchText.empty()) return context_.dialogs.inform(this, "请输入项目ID或关键字"_gbk);
  QComboBox* projects = ui_->组合框_取号_项目列表;
  projects->clear();
  setWindowEnabled(window(), false);
  EventLoopPause(context_.pacing).pause(kReceiveBeforeSearchMs);
  UiRequester requester(context_.pacing);
  const SessionState& session = context_.session;
  const GbkText reply =
      requester.getText(catalogueUrl(session.addresses, session.credentials(), searchText));
  for (const GbkText& item : receiveSearchItems(reply))
    projects->addItem(fromGbk(item));
  projects->setCurrentIndex(0);
  setWindowEnabled(window(), true);
  if (requester.lastFailure() != TransportFailure::None) {
    informReply(context_.dialogs, this, {}, requester.lastFailure());
  }
}

void ReceivePage::takeNumbers() {
  // One take at a time: a second click can arrive before the worker has disabled the buttons.
  if (takeRunning_) return;
  takeRunning_ = true;
  startNumberTakeWorker(context_, this, *controls_, workers_.token(),
                        [this] { takeRunning_ = false; });
}

void ReceivePage::takeSpecifiedNumber() {
  UiRequester requester(context_.pacing);
  EventLoopPause pause(context_.pacing);
  verdomo::takeSpecifiedNumber(requester, pause, context_.clock, receiveRequest(context_),
                               *controls_);
}

void ReceivePage::reuseNumber() {
  const std::optional<GbkText> projectId = takeableProjectId(controls_->selectedProjectItem());
  const std::optional<NumberRow> row = controls_->list().selectedRow();
  if (!projectId || !row || row->phone.empty()) return;
  setWindowEnabled(window(), false);
  UiRequester requester(context_.pacing);
  const SessionState& session = context_.session;
  const TakeReply reply = parseTakeReply(requester.getText(
      takeSpecificUrl(session.addresses, session.credentials(), *projectId, row->phone)));
  if (requester.lastFailure() != TransportFailure::None) {
    informReply(context_.dialogs, this, {}, requester.lastFailure());
  } else if (reply.kind == TakeReply::Kind::kNumber) {
    const GbkText takeTime = formatDateTimeText(context_.clock.now());
    controls_->list().update(row->id, row->phone, [&](NumberRow& reused) {
      reused.phone = reply.phone;
      reused.status = "没有收到短信"_gbk;
      reused.takeTime = takeTime;
    });
  } else if (reply.kind == TakeReply::Kind::kRefused) {
    context_.dialogs.inform(this, reply.message);
  }
  setWindowEnabled(window(), true);
}

void ReceivePage::releaseWholeList() {
  releaseList(endpoint::kReleaseNumber, "释放号码");
}

void ReceivePage::blacklistWholeList() {
  releaseList(endpoint::kBlacklistNumber, "拉黑号码");
}

void ReceivePage::releaseList(const Endpoint& path, const char* question) {
  if (!context_.dialogs.confirm(this, QString::fromUtf8(question), kDefaultCaption,
                                ConfirmButtons::YesNo)) {
    return;
  }
  controls_->setTakeButtonsEnabled(false);
  UiRequester requester(context_.pacing);
  EventLoopPause pause(context_.pacing);
  releaseListedNumbers(requester, pause, receiveRequest(context_), path, *controls_);
  controls_->setTakeButtonsEnabled(true);
}

void ReceivePage::releaseSelectedNumber() {
  releaseSelected(endpoint::kReleaseNumber, "释放号码");
}

void ReceivePage::blacklistSelectedNumber() {
  releaseSelected(endpoint::kBlacklistNumber, "拉黑号码");
}

void ReceivePage::releaseSelected(const Endpoint& path, const char* question) {
  if (!context_.dialogs.confirm(this, QString::fromUtf8(question), kDefaultCaption,
                                ConfirmButtons::YesNo)) {
    return;
  }
  const std::optional<NumberRow> row = controls_->list().selectedRow();
  if (!row) return;
  UiRequester requester(context_.pacing);
  const SessionState& session = context_.session;
  requester.getText(
      requestUrl(session.addresses, session.credentials(), path, {row->projectId, row->phone}));
  // A request that got no reply gave nothing back: the row stays, so the user can try again.
  if (requester.lastFailure() != TransportFailure::None) {
    return informReply(context_.dialogs, this, {}, requester.lastFailure());
  }
  controls_->list().deleteRow(row->id);  // whatever the platform answered
}

void ReceivePage::showNumberMenu(const QPoint& globalPosition) {
  if (projectIdOf(controls_->selectedProjectItem()).value < kLowestMenuProjectId) return;
  numberMenu_->popup(globalPosition);
}

void ReceivePage::copySelectedCell(GbkText NumberRow::*cell) {
  const GbkText project = controls_->selectedProjectItem();
  if (project.empty() || projectIdOf(project).value < kLowestMenuProjectId) return;
  const std::optional<NumberRow> row = controls_->list().selectedRow();
  if (!row) return;
  copyToClipboard((*row).*cell);
}

void ReceivePage::copyAllPhoneNumbers() {
  std::vector<GbkText> phones;
  for (const ListedNumber& number : controls_->list().listedNumbers())
    phones.push_back(number.phone);
  const GbkText lines = phoneNumberLines(phones);
  if (!lines.empty()) copyToClipboard(lines);
}

void ReceivePage::copyOnDoubleClick() {
  const std::optional<NumberRow> row = controls_->list().selectedRow();
  if (!row) return;
  copyToClipboard(row->code.empty() ? row->phone : row->code);
}

}  // namespace verdomo
