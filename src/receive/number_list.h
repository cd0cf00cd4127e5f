#pragma once
// The number list of the 取号 page over its tree widget: rows with an identity, appended,
// updated only while they still hold the number an update was computed for, and deleted.
// UI thread only.

#include <QObject>
#include <functional>
#include <optional>
#include <vector>

#include "receive/number_row.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace verdomo {

class NumberList {
 public:
  enum Column {
    kSerial = 0,
    kPhone = 1,
    kProvince = 2,
    kCode = 3,
    kStatus = 4,
    kSmsText = 5,
    kTakeTime = 6,
    kProjectId = 7
  };

  explicit NumberList(QTreeWidget* list);

  // A new row numbered after the rows there are; its province, code, status and text empty.
  RowId append(const GbkText& phone, const GbkText& takeTime, const GbkText& projectId);
  int count() const;
  std::optional<NumberRow> rowAt(int index) const;
  std::optional<NumberRow> selectedRow() const;
  std::vector<ListedNumber> listedNumbers() const;
  std::vector<RowId> rowIds() const;
  std::optional<ListedNumber> listedNumber(RowId id) const;

  // Runs `change` on row `id` while it holds `phone`; answers whether it did.
  bool update(RowId id, const GbkText& phone, const std::function<void(NumberRow&)>& change);
  void deleteRow(RowId id);
  // Deletes row `id` while it holds `phone`.
  void deleteRow(RowId id, const GbkText& phone);

 private:
  QTreeWidgetItem* itemOf(RowId id) const;
  static RowId idOf(const QTreeWidgetItem* item);
  static ListedNumber listedOf(NumberRow row);
  static NumberRow rowOf(const QTreeWidgetItem* item);
  static void write(QTreeWidgetItem* item, const NumberRow& row);

  QTreeWidget* list_;
  RowId lastId_ = 0;
};

}  // namespace verdomo
