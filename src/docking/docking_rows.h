#pragma once
// Both docking lists show a docking the same way: 对接码, 项目名称, 价格, 类型, the state,
// 供卡数量.

#include <vector>

#include "docking/docking_record.h"

class QTreeWidget;

namespace verdomo {

enum DockingColumn { kDockingCode = 0, kDockingName = 1, kDockingState = 4 };

// Replaces the list's rows by `records`, in their order, in one go.
void showDockingRecords(QTreeWidget* list, const std::vector<DockingRecord>& records);

}  // namespace verdomo
