#pragma once
// One scripted server that plays every platform port (a session's addresses all point at it)
// and, over plain HTTP, the segment service. Replies are keyed by the start of the request
// target, the longest start that matches winning, and may be scripted per call.

#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "api/service_address.h"
#include "support/gbk_test_text.h"
#include "support/scripted_http_server.h"

namespace verdomo::test {

class ScriptedPlatform {
 public:
  using Replier = std::function<ScriptedReply(const ScriptedRequest&)>;

  // Every request whose target starts with `pathStart` is answered by `replier`.
  void answer(const std::string& pathStart, Replier replier) {
    std::lock_guard lock(mutex_);
    repliers_[pathStart] = std::move(replier);
  }
  // ... with this text, sent as GBK.
  void answer(const std::string& pathStart, const std::string& utf8Reply) {
    answer(pathStart, [reply = utf8ToGbk(utf8Reply)](const ScriptedRequest&) {
      return ScriptedReply::text(reply);
    });
  }

  std::vector<std::string> targetsStartingWith(std::string_view start) const {
    std::vector<std::string> targets;
    for (const ScriptedRequest& request : server.requests()) {
      if (request.target.starts_with(start)) targets.push_back(request.target);
    }
    return targets;
  }

  // The ten platform addresses, all on this server.
  ServiceAddresses addresses() const {
    const GbkText address = "127.0.0.1:" + std::to_string(server.port());
    return {address, address, address, address, address,
            address, address, address, address, address};
  }

 private:
  // Declared before the server, which reads them on its threads until it is gone.
  std::mutex mutex_;
  std::map<std::string, Replier> repliers_;

 public:
  ScriptedHttpServer server{[this](const ScriptedRequest& request) {
    Replier replier;
    {
      std::lock_guard lock(mutex_);
      std::size_t best = 0;
      for (const auto& [start, candidate] : repliers_) {
        if (request.target.starts_with(start) && start.size() >= best) {
          replier = candidate;
          best = start.size();
        }
      }
    }
    return replier ? replier(request) : ScriptedReply{.status = 404};
  }};
};

}  // namespace verdomo::test
