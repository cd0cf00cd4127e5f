#include "funds/record_list_load.h"

#include <QTreeWidget>

#include "session/app_context.h"
#include "ui/busy_progress.h"
#include "ui/event_loop_pause.h"
#include "ui/requester.h"
#include "ui/transport_failure_message.h"

namespace verdomo {

void loadRecordList(AppContext& context, QWidget* page, QTreeWidget* list, QProgressBar* bar,
                    const Endpoint& endpoint, const std::function<void(const GbkText&)>& fill) {
  UiRequester requester(context.pacing);
  {
    list->clear();
    EventLoopPause pause(context.pacing);
    BusyProgress busy(page->window(), bar, pause);
    const SessionState& session = context.session;
    fill(requester.getText(requestUrl(session.addresses, session.credentials(), endpoint)));
  }
  // Said once the window is enabled again; an empty list is the platform's answer otherwise.
  if (requester.lastFailure() != TransportFailure::None) {
    informReply(context.dialogs, page, {}, requester.lastFailure());
  }
}

void appendNumberedRows(QTreeWidget* list, const std::vector<QStringList>& rows) {
  QList<QTreeWidgetItem*> items;
  for (const QStringList& cells : rows)
    items.append(new QTreeWidgetItem(QStringList{QString::number(items.size() + 1)} + cells));
  list->addTopLevelItems(items);
}

}  // namespace verdomo
