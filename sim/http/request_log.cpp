#include "sim/http/request_log.h"

#include <chrono>
#include <ctime>
#include <stdexcept>

namespace verdomo::sim {

RequestLog::RequestLog(const std::string& path) : file_(std::fopen(path.c_str(), "a")) {
  if (!file_) throw std::runtime_error("cannot open the request log " + path);
}

RequestLog::~RequestLog() {
  std::fclose(file_);
}

void RequestLog::record(int port, std::string_view target) {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  const auto millis =
      std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
  std::tm local{};
  localtime_r(&seconds, &local);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", &local);

  std::lock_guard lock(mutex_);
  std::fprintf(file_, "%s.%03d %d %.*s\n", stamp, static_cast<int>(millis), port,
               static_cast<int>(target.size()), target.data());
  std::fflush(file_);
}

}  // namespace verdomo::sim
