#pragma once
// What a worker did, one line each in the order it happened: the port calls a test
// port records, every pause and every platform request with its path.

#include <string>
#include <utility>
#include <vector>

#include "api/api_client.h"
#include "api/pause.h"
#include "platform/gbk_codec.h"

namespace verdomo::test {

using Texts = std::vector<std::string>;

struct CallLog {
  Texts calls;
  void add(std::string call) { calls.push_back(std::move(call)); }
};

class LoggingPause final : public Pause {
 public:
  explicit LoggingPause(CallLog& log) : log_(log) {}
  void pause(int milliseconds) override { log_.add("pause " + std::to_string(milliseconds)); }

 private:
  CallLog& log_;
};

// Sends each request on a real session and logs "get " + its path, unescaped and in UTF-8,
// before it goes out.
class LoggingRequester final : public PlatformRequester {
 public:
  explicit LoggingRequester(CallLog& log) : log_(log), requester_(session_) {}
  GbkText getText(std::string_view gbkUrl) override {
    log_.add("get " + gbkToUtf8(pathOf(gbkUrl)));
    return requester_.getText(gbkUrl);
  }
  TransportFailure lastFailure() const override { return requester_.lastFailure(); }

 private:
  static std::string_view pathOf(std::string_view url) {
    const std::size_t scheme = url.find("://");
    const std::size_t path = url.find('/', scheme == std::string_view::npos ? 0 : scheme + 3);
    return path == std::string_view::npos ? std::string_view() : url.substr(path);
  }

  CallLog& log_;
  HttpSession session_;
  SessionRequester requester_;
};

}  // namespace verdomo::test
