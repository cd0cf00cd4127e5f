#pragma once
// One request as the server read it and the reply a service gives for it.

#include <functional>
#include <string>

namespace verdomo::sim {

struct HttpRequest {
  int localPort = 0;    // the port the connection came in on
  std::string method;   // "GET"
  std::string target;   // the raw request target, escapes as sent
  std::string version;  // "HTTP/1.1"
};

inline constexpr const char* kGbkTextType = "text/plain; charset=GBK";

struct HttpResponse {
  int status = 200;
  std::string contentType = kGbkTextType;
  std::string body;
  std::string endpoint;  // the name faults are chosen by ("yh_qm", "yh.txt", "segment", ...)
};

using HttpHandler = std::function<HttpResponse(const HttpRequest&)>;

}  // namespace verdomo::sim
