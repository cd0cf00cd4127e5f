#include "sim/platform/platform_request.h"

#include "sim/gbk_ops.h"

namespace verdomo::sim {

std::optional<GbkText> PlatformRequest::find(std::string_view key) const {
  for (const auto& [name, value] : parameters)
    if (name == key) return value;
  return std::nullopt;
}

PlatformRequest parsePlatformPath(std::string_view path) {
  PlatformRequest request;
  if (path.empty() || path.front() != '/') return request;
  path.remove_prefix(1);
  const std::size_t slash = findGbk(path, "/");
  request.endpoint = path.substr(0, slash);
  if (slash == std::string_view::npos) return request;

  const std::string_view query = path.substr(slash + 1);
  if (query.empty()) return request;
  for (const GbkText& pair : splitGbk(query, "&")) {
    const std::size_t equals = findGbk(pair, "=");
    if (equals == std::string::npos)
      request.parameters.emplace_back(pair, GbkText());
    else
      request.parameters.emplace_back(pair.substr(0, equals), pair.substr(equals + 1));
  }
  return request;
}

}  // namespace verdomo::sim
