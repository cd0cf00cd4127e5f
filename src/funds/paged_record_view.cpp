#include "funds/paged_record_view.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRegularExpressionValidator>
#include <QTreeWidget>
#include <string>

#include "ui/busy_progress.h"
#include "ui/dialogs.h"
#include "ui/event_loop_pause.h"
#include "ui/gbk_qt.h"
#include "ui/list_columns.h"
#include "ui/requester.h"
#include "ui/transport_failure_message.h"

namespace verdomo {
namespace {

using namespace verdomo::literals;

// The list's columns: 序号, 项目ID, 名称, 手机号码, 价格, then the time before the SMS text.
QStringList rowOf(int serial, const PagedRecord& record) {
  return {QString::number(serial), fromGbk(record.projectId), fromGbk(record.name),
          fromGbk(record.phone),   fromGbk(record.price),     fromGbk(record.time),
          fromGbk(record.smsText)};
}

GbkText firstPageLabel(const std::optional<RecordPage>& reply) {
  return reply ? "1/" + std::to_string(reply->pageTotal) : GbkText();
}

}  // namespace

PagedRecordView::PagedRecordView(AppContext& context, QWidget* page,
                                 const PagedRecordControls& controls, const RecordPaths& paths,
                                 std::span<const int> columnWidths)
    : QObject(page), context_(context), page_(page), controls_(controls), paths_(paths) {
  setColumnWidths(controls.list, columnWidths);
  // The search box takes whole numbers only: a project ID or a phone number.
  controls.searchBox->setValidator(new QRegularExpressionValidator(
      QRegularExpression(QStringLiteral("[0-9]*")), controls.searchBox));
  connect(controls.refresh, &QAbstractButton::clicked, this, &PagedRecordView::refresh);
  connect(controls.first, &QAbstractButton::clicked, this, &PagedRecordView::firstPage);
  connect(controls.previous, &QAbstractButton::clicked, this, &PagedRecordView::previousPage);
  connect(controls.next, &QAbstractButton::clicked, this, &PagedRecordView::nextPage);
  connect(controls.last, &QAbstractButton::clicked, this, &PagedRecordView::lastPage);
  connect(controls.search, &QAbstractButton::clicked, this, &PagedRecordView::search);
}

void PagedRecordView::refresh() {
  controls_.searchBox->clear();
  context_.session.recordSearchMode = false;
  const std::optional<RecordPage> reply = load(false, std::nullopt);
  showLabels(reply, firstPageLabel(reply));
}

void PagedRecordView::firstPage() {
  const std::optional<RecordPage> reply = load(context_.session.recordSearchMode, std::nullopt);
  showLabels(reply, firstPageLabel(reply));
}

void PagedRecordView::previousPage() {
  if (readPageLabel(toGbk(controls_.pageLabel->text())).current <= 1) {
    return context_.dialogs.inform(page_, "当前已是最前一页"_gbk);
  }
  turnPage(-1);
}

void PagedRecordView::nextPage() {
  const PageLabel label = readPageLabel(toGbk(controls_.pageLabel->text()));
  if (label.current >= label.total) return context_.dialogs.inform(page_, "当前已是最后一页"_gbk);
  turnPage(+1);
}

void PagedRecordView::turnPage(int step) {
  const PageLabel label = readPageLabel(toGbk(controls_.pageLabel->text()));
  const GbkText page = std::to_string(label.current + step);
  // The label shows the new page at once; the count and total stay, whatever the reply.
  controls_.pageLabel->setText(fromGbk(page + "/" + label.totalText));
  load(context_.session.recordSearchMode, page);
}

void PagedRecordView::lastPage() {
  // No check: from "0/0" this asks for page 0. The label keeps the total it had.
  const GbkText total = readPageLabel(toGbk(controls_.pageLabel->text())).totalText;
  showLabels(load(context_.session.recordSearchMode, total), total + "/" + total);
}

void PagedRecordView::search() {
  const std::optional<RecordPage> reply = load(true, std::nullopt);
  if (reply) context_.session.recordSearchMode = true;
  showLabels(reply, firstPageLabel(reply));
}

std::optional<RecordPage> PagedRecordView::load(bool search, const std::optional<GbkText>& page) {
  const SessionState& session = context_.session;
  const GbkText searchText = toGbk(controls_.searchBox->text());
  GbkText url;
  if (search) {
    url = page ? requestUrl(session.addresses, session.credentials(), *paths_.searchPage,
                            {searchText, *page})
               : requestUrl(session.addresses, session.credentials(), *paths_.search, {searchText});
  } else {
    url = page ? requestUrl(session.addresses, session.credentials(), *paths_.plainPage, {*page})
               : requestUrl(session.addresses, session.credentials(), *paths_.plain);
  }
  UiRequester requester(context_.pacing);
  std::optional<RecordPage> reply;
  {
    controls_.list->clear();
    EventLoopPause pause(context_.pacing);
    BusyProgress busy(page_->window(), controls_.bar, pause);
    reply = parseRecordPage(requester.getText(url));
    QList<QTreeWidgetItem*> rows;
    if (reply) {
      for (const PagedRecord& record : reply->records)  // numbered from 1 on every page
        rows.append(new QTreeWidgetItem(rowOf(static_cast<int>(rows.size()) + 1, record)));
    }
    controls_.list->addTopLevelItems(rows);
  }
  // Said once the window is enabled again.
  if (requester.lastFailure() != TransportFailure::None) {
    informReply(context_.dialogs, page_, {}, requester.lastFailure());
  }
  return reply;
}

void PagedRecordView::showLabels(const std::optional<RecordPage>& reply, const GbkText& pageLabel) {
  controls_.count->setText(reply ? fromGbk(reply->count) : QStringLiteral("0"));
  controls_.total->setText(reply ? fromGbk(reply->total) : QStringLiteral("0"));
  controls_.pageLabel->setText(reply ? fromGbk(pageLabel) : QStringLiteral("0/0"));
}

}  // namespace verdomo
