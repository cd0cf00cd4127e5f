#include "ui/list_columns.h"

#include <QTreeWidget>

namespace verdomo {

void setColumnWidths(QTreeWidget* list, std::span<const int> widths) {
  for (std::size_t column = 0; column < widths.size(); ++column)
    list->setColumnWidth(static_cast<int>(column), widths[column]);
}

}  // namespace verdomo
