#include "docking/docking_rows.h"

#include <QTreeWidget>

#include "ui/gbk_qt.h"

namespace verdomo {

void showDockingRecords(QTreeWidget* list, const std::vector<DockingRecord>& records) {
  QList<QTreeWidgetItem*> rows;
  rows.reserve(static_cast<qsizetype>(records.size()));
  for (const DockingRecord& record : records) {
    rows.append(new QTreeWidgetItem(QStringList{fromGbk(record.code), fromGbk(record.name),
                                                fromGbk(record.price), fromGbk(record.kind),
                                                fromGbk(record.state), fromGbk(record.cards)}));
  }
  list->clear();
  list->addTopLevelItems(rows);
}

}  // namespace verdomo
