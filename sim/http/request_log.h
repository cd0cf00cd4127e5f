#pragma once
// One line per request: local time, the port it came in on and the raw target, flushed at once
// so that a test or a person watching the file sees every request as it arrives.

#include <cstdio>
#include <mutex>
#include <string>
#include <string_view>

namespace verdomo::sim {

class RequestLog {
 public:
  // Appends to `path`; throws when it cannot be opened.
  explicit RequestLog(const std::string& path);
  ~RequestLog();
  RequestLog(const RequestLog&) = delete;
  RequestLog& operator=(const RequestLog&) = delete;

  // "2026-12-10 14:03:05.123 20082 /sign/username=demo01&password=demo2026"
  void record(int port, std::string_view target);

 private:
  std::mutex mutex_;
  std::FILE* file_;
};

}  // namespace verdomo::sim
