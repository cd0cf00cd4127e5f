#pragma once
// Project pages and windows on the offscreen platform against a scripted platform: one local
// server plays the project port (the port offset puts port 83 on it) and answers each path
// with the reply the test set for it.

#include <gtest/gtest.h>

#include <QString>
#include <map>
#include <mutex>

#include "api/service_address.h"
#include "session/app_context.h"
#include "support/gbk_test_text.h"
#include "support/modal_windows.h"
#include "support/qt_printing.h"
#include "support/recording_dialogs.h"
#include "support/scripted_http_server.h"

namespace verdomo::test {

class ProjectsFixture : public testing::Test {
 protected:
  ProjectsFixture() {
    session.userName = "demo01";
    session.password = "pw";
    session.addresses = buildServiceAddresses("127.0.0.1", server.port() - 83);
  }

  // The reply to every request whose target starts with `pathStart` (UTF-8 text, sent as GBK).
  void answer(const std::string& pathStart, const std::string& utf8Reply,
              std::chrono::milliseconds delay = {}) {
    std::lock_guard lock(mutex_);
    replies_[pathStart] = {.body = utf8ToGbk(utf8Reply), .delay = delay};
  }

  std::vector<std::string> targets() const {
    std::vector<std::string> list;
    for (const ScriptedRequest& request : server.requests())
      list.push_back(request.target);
    return list;
  }

  SessionState session;
  RecordingDialogs dialogs;
  SystemClock clock;
  AppContext context{{}, {}, session, dialogs, clock, Pacing{0.01}};
  // Declared before the server, which reads them on its threads until it is gone.
  std::mutex mutex_;
  std::map<std::string, ScriptedReply> replies_;
  ScriptedHttpServer server{[this](const ScriptedRequest& request) {
    std::lock_guard lock(mutex_);
    // The longest configured start that matches: "/xiangmu_ysc/" and its "&l=1" form differ
    // only after the credentials, so tests key those on whole targets.
    const ScriptedReply* best = nullptr;
    std::size_t bestLength = 0;
    for (const auto& [start, reply] : replies_) {
      if (request.target.starts_with(start) && start.size() >= bestLength) {
        best = &reply;
        bestLength = start.size();
      }
    }
    return best ? *best : ScriptedReply{.status = 404};
  }};
};

inline constexpr const char* kReceiveFavouritesTarget = "/xiangmu_ysc/username=demo01&password=pw";
inline constexpr const char* kSendFavouritesTarget = "/xiangmu_ysc/username=demo01&password=pw&l=1";

}  // namespace verdomo::test
