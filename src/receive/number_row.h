#pragma once
// A taken number as the number list holds it. Rows carry an identity, so that a worker's update
// names the row it was computed for and the phone number it read there; the list applies it only
// while that row still holds that number.

#include <cstdint>

#include "platform/gbk_codec.h"

namespace verdomo {

using RowId = std::uint64_t;

struct NumberRow {
  RowId id = 0;
  GbkText serial;     // 序号: the row count before the insertion plus one; never renumbered
  GbkText phone;      // 手机号码, as the platform returned it
  GbkText province;   // 归属地
  GbkText code;       // 验证码
  GbkText status;     // 状态
  GbkText smsText;    // 短信内容
  GbkText takeTime;   // the local time of the take, as DateTimeText
  GbkText projectId;  // the project ID text the number was taken for
};

// The two cells a release or blacklist request needs, with the row they came from.
struct ListedNumber {
  RowId id = 0;
  GbkText phone;
  GbkText projectId;
};

}  // namespace verdomo
