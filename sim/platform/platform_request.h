#pragma once
// A platform request as the server reads its decoded path:
// "/<endpoint>/username=…&password=…&key=value…". "&" separates the pairs and the first "="
// of a pair its key from its value; a value may hold further "=" but no "&".

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/gbk_codec.h"

namespace verdomo::sim {

struct PlatformRequest {
  std::string endpoint;  // "sign", "yh_qm", ...; empty when the path names none
  std::vector<std::pair<GbkText, GbkText>> parameters;

  // The value of the first pair with this key, or nothing.
  std::optional<GbkText> find(std::string_view key) const;
  // The value, or the empty text.
  GbkText value(std::string_view key) const { return find(key).value_or(GbkText()); }
};

// `path` is the decoded GBK path.
PlatformRequest parsePlatformPath(std::string_view path);

}  // namespace verdomo::sim
