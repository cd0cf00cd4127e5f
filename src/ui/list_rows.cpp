#include "ui/list_rows.h"

#include <QTreeWidget>

#include "ui/gbk_qt.h"

namespace verdomo {

QTreeWidgetItem* selectedRow(const QTreeWidget* list) {
  const QList<QTreeWidgetItem*> selected = list->selectedItems();
  return selected.isEmpty() ? nullptr : selected.first();
}

void selectRow(QTreeWidget* list, int index) {
  QTreeWidgetItem* row = list->topLevelItem(index);
  if (row == nullptr) return;
  list->setCurrentItem(row);  // selects it alone, as a click does
  list->scrollToItem(row);
  list->setFocus();
}

void onListContextMenu(QTreeWidget* list, QObject* context,
                       std::function<void(const QPoint& globalPosition)> show) {
  list->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(list, &QTreeWidget::customContextMenuRequested, context,
                   [list, show = std::move(show)](const QPoint& at) {
                     if (list->itemAt(at) == nullptr) list->clearSelection();
                     show(list->viewport()->mapToGlobal(at));
                   });
}

std::vector<GbkText> columnTexts(const QTreeWidget* list, int column) {
  std::vector<GbkText> texts;
  texts.reserve(static_cast<std::size_t>(list->topLevelItemCount()));
  for (int index = 0; index < list->topLevelItemCount(); ++index)
    texts.push_back(toGbk(list->topLevelItem(index)->text(column)));
  return texts;
}

}  // namespace verdomo
