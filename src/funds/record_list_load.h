#pragma once
// The load of a whole record list (withdrawals, recharges): the list emptied, the busy bar run,
// one request, the rows put in numbered from 1.

#include <QStringList>
#include <functional>
#include <vector>

#include "platform/gbk_codec.h"

class QProgressBar;
class QTreeWidget;
class QWidget;

namespace verdomo {

struct AppContext;
struct Endpoint;

// Empties `list`, asks for `endpoint` behind the busy bar and hands the reply to `fill` before
// the window is enabled again.
void loadRecordList(AppContext& context, QWidget* page, QTreeWidget* list, QProgressBar* bar,
                    const Endpoint& endpoint, const std::function<void(const GbkText&)>& fill);

// Appends the rows, each after its "序号", counted from 1.
void appendNumberedRows(QTreeWidget* list, const std::vector<QStringList>& rows);

}  // namespace verdomo
