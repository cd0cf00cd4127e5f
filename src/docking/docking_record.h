#pragma once
// The dockings as the two docking lists show them, the code rule and the requests. A docking
// reply is a record list ("#c+" between records, "#c-" between fields) whose spaces are kept:
// state, code, project name, price, (unused), cards, and three more fields this client does not
// read; a record of fewer than nine fields is not shown.

#include <string_view>
#include <vector>

#include "platform/gbk_codec.h"

namespace verdomo {

struct DockingRecord {
  GbkText code;   // field 1
  GbkText name;   // field 2 before its first "(发送", or whole
  GbkText price;  // field 3
  GbkText kind;   // "发短信" when the name holds "(发送", else "收短信"
  GbkText state;  // field 0: "正常", "暂停" or whatever the platform wrote
  GbkText cards;  // field 5
};

std::vector<DockingRecord> dockingRecords(std::string_view reply);

// The text without its ASCII and full-width spaces at both ends; inner spaces stay.
GbkText trimSpaces(std::string_view text);

// A docking code counts from 13 GBK bytes on.
bool dockingCodeAccepted(std::string_view code);

}  // namespace verdomo
