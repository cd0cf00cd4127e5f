#pragma once
// Tests write their texts in UTF-8; the core wants GBK bytes.

#include <string>
#include <vector>

#include "platform/gbk_codec.h"

namespace verdomo::test {

using namespace verdomo::literals;

// Each text of a list converted to UTF-8, so that failures print readably.
std::vector<std::string> toUtf8(const std::vector<GbkText>& texts);

}  // namespace verdomo::test
