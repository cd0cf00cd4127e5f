#include "sim/update_host.h"

#include <fstream>
#include <iterator>
#include <sstream>

#include "platform/gbk_codec.h"
#include "sim/http/path_decoding.h"

namespace verdomo::sim {
namespace {

using namespace verdomo::literals;

HttpResponse notFound(std::string endpoint) {
  return {.status = 404, .body = "文件不存在"_gbk, .endpoint = std::move(endpoint)};
}

std::string pathOf(std::string_view target) {
  return percentDecode(target.substr(0, target.find('?')));
}

}  // namespace

UpdateHost::UpdateHost(std::string publishedVersion, std::string packageFile)
    : publishedVersion_(std::move(publishedVersion)), packageFile_(std::move(packageFile)) {}

HttpResponse UpdateHost::handle(const HttpRequest& request) const {
  const std::string path = pathOf(request.target);
  if (path == "/yh.txt") {
    return {.body =
                "Verdomo用户端更新说明\r\n"
                "1. 修复已知问题，提升取号与收码的稳定性。\r\n"
                "2. 优化专属对接与资金明细的显示。\r\n"
                "版本号:"_gbk +
                utf8ToGbk(publishedVersion_),
            .endpoint = "yh.txt"};
  }
  if (path == "/ostrel.zip") {
    if (packageFile_.empty()) return notFound("ostrel.zip");
    std::ifstream file(packageFile_, std::ios::binary);
    if (!file) return notFound("ostrel.zip");
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return {.contentType = "application/zip", .body = bytes.str(), .endpoint = "ostrel.zip"};
  }
  return notFound(path.size() > 1 ? path.substr(1) : path);
}

}  // namespace verdomo::sim
