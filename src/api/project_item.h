#pragma once
// Project items in the project combo boxes: "[" ID "]" name " - {价格}：" price. Placeholder items
// carry no valid ID. Operations act only on projects whose ID is at least 1000.

#include <string_view>

#include "platform/gbk_codec.h"

namespace verdomo {

inline constexpr int kLowestProjectId = 1000;

struct ProjectId {
  GbkText text;   // as it stands between the brackets; requests carry this text
  int value = 0;  // its number, 0 when it is not numeric
};

// The ID between the first "[" and the first "]" after it; empty when a bracket is missing.
ProjectId projectIdOf(std::string_view itemText);

GbkText projectItemText(std::string_view id, std::string_view name, std::string_view price);

}  // namespace verdomo
