#pragma once
// The column widths of a report-style list, in column order, as its window design gives them.

#include <span>

class QTreeWidget;

namespace verdomo {

void setColumnWidths(QTreeWidget* list, std::span<const int> widths);

}  // namespace verdomo
