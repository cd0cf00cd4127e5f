#include "receive/number_list.h"

#include <QTreeWidget>
#include <string>

#include "ui/gbk_qt.h"

namespace verdomo {
namespace {

constexpr int kIdRole = Qt::UserRole;

}  // namespace

NumberList::NumberList(QTreeWidget* list) : list_(list) {}

RowId NumberList::append(const GbkText& phone, const GbkText& takeTime, const GbkText& projectId) {
  NumberRow row;
  row.id = ++lastId_;
  row.serial = std::to_string(count() + 1);
  row.phone = phone;
  row.takeTime = takeTime;
  row.projectId = projectId;
  auto* item = new QTreeWidgetItem;
  item->setData(kSerial, kIdRole, QVariant::fromValue<qulonglong>(row.id));
  write(item, row);
  list_->addTopLevelItem(item);
  return row.id;
}

int NumberList::count() const {
  return list_->topLevelItemCount();
}

std::optional<NumberRow> NumberList::rowAt(int index) const {
  const QTreeWidgetItem* item = list_->topLevelItem(index);
  if (item == nullptr) return std::nullopt;
  return rowOf(item);
}

std::optional<NumberRow> NumberList::selectedRow() const {
  const QTreeWidgetItem* item = list_->currentItem();
  if (item == nullptr || !item->isSelected()) return std::nullopt;
  return rowOf(item);
}

std::vector<ListedNumber> NumberList::listedNumbers() const {
  std::vector<ListedNumber> numbers;
  for (int index = 0; index < count(); ++index)
    numbers.push_back(listedOf(rowOf(list_->topLevelItem(index))));
  return numbers;
}

std::vector<RowId> NumberList::rowIds() const {
  std::vector<RowId> ids;
  for (int index = 0; index < count(); ++index)
    ids.push_back(idOf(list_->topLevelItem(index)));
  return ids;
}

std::optional<ListedNumber> NumberList::listedNumber(RowId id) const {
  const QTreeWidgetItem* item = itemOf(id);
  if (item == nullptr) return std::nullopt;
  return listedOf(rowOf(item));
}

bool NumberList::update(RowId id, const GbkText& phone,
                        const std::function<void(NumberRow&)>& change) {
  QTreeWidgetItem* item = itemOf(id);
  if (item == nullptr) return false;
  NumberRow row = rowOf(item);
  if (row.phone != phone) return false;
  change(row);
  write(item, row);
  return true;
}

void NumberList::deleteRow(RowId id) {
  delete itemOf(id);
}

void NumberList::deleteRow(RowId id, const GbkText& phone) {
  QTreeWidgetItem* item = itemOf(id);
  if (item != nullptr && toGbk(item->text(kPhone)) == phone) delete item;
}

QTreeWidgetItem* NumberList::itemOf(RowId id) const {
  for (int index = 0; index < count(); ++index) {
    QTreeWidgetItem* item = list_->topLevelItem(index);
    if (idOf(item) == id) return item;
  }
  return nullptr;
}

RowId NumberList::idOf(const QTreeWidgetItem* item) {
  return item->data(kSerial, kIdRole).toULongLong();
}

ListedNumber NumberList::listedOf(NumberRow row) {
  return {row.id, std::move(row.phone), std::move(row.projectId)};
}

NumberRow NumberList::rowOf(const QTreeWidgetItem* item) {
  return {idOf(item),
          toGbk(item->text(kSerial)),
          toGbk(item->text(kPhone)),
          toGbk(item->text(kProvince)),
          toGbk(item->text(kCode)),
          toGbk(item->text(kStatus)),
          toGbk(item->text(kSmsText)),
          toGbk(item->text(kTakeTime)),
          toGbk(item->text(kProjectId))};
}

void NumberList::write(QTreeWidgetItem* item, const NumberRow& row) {
  item->setText(kSerial, fromGbk(row.serial));
  item->setText(kPhone, fromGbk(row.phone));
  item->setText(kProvince, fromGbk(row.province));
  item->setText(kCode, fromGbk(row.code));
  item->setText(kStatus, fromGbk(row.status));
  item->setText(kSmsText, fromGbk(row.smsText));
  item->setText(kTakeTime, fromGbk(row.takeTime));
  item->setText(kProjectId, fromGbk(row.projectId));
}

}  // namespace verdomo
