#pragma once
// The provinces offered by the region filters, in the platform's order: "辽宁" stands twice, at
// 10 and 17. Entry n carries the item value n; "默认" before them carries 0.

#include <string>
#include <vector>

namespace verdomo {

// The region names, UTF-8.
const std::vector<std::string>& regionNames();

}  // namespace verdomo
