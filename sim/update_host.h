#pragma once
// The update host: "/yh.txt", a short GBK text that ends in "版本号:" and the published version
// (no line break after it), and "/ostrel.zip", the package file (404 when there is none).

#include <string>

#include "sim/http/http_message.h"

namespace verdomo::sim {

class UpdateHost {
 public:
  UpdateHost(std::string publishedVersion, std::string packageFile);
  HttpResponse handle(const HttpRequest& request) const;

 private:
  std::string publishedVersion_;
  std::string packageFile_;
};

}  // namespace verdomo::sim
