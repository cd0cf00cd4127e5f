#pragma once
// Rows of the report-style lists: the row the user selected, selecting a row for the user, and
// the cells of one column.

#include <functional>
#include <vector>

#include "platform/gbk_codec.h"

class QObject;
class QPoint;
class QTreeWidget;
class QTreeWidgetItem;

namespace verdomo {

// The row the user selected; a row that is only current (reached by Tab, or deselected with
// Ctrl+click) is not selected.
QTreeWidgetItem* selectedRow(const QTreeWidget* list);

// Makes row `index` the selected row, scrolls it into view and gives the list the focus.
void selectRow(QTreeWidget* list, int index);

// A right-click on the list calls `show` with the global position of the click. A click on the
// empty area below the rows leaves no row selected first, as in a Windows list.
void onListContextMenu(QTreeWidget* list, QObject* context,
                       std::function<void(const QPoint& globalPosition)> show);

// The cells of `column`, top to bottom, as GBK texts.
std::vector<GbkText> columnTexts(const QTreeWidget* list, int column);

}  // namespace verdomo
