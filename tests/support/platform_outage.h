#pragma once
// A platform that cannot be reached, in the two ways a user meets most: a port where nothing
// listens, and a server that accepts the connection and never answers. A test points the
// session's addresses at it and caps the request time-outs, so the silent server fails fast.

#include <QString>
#include <memory>
#include <string>

#include "api/pause.h"
#include "api/service_address.h"
#include "support/scripted_http_server.h"

namespace verdomo::test {

enum class Outage { ClosedPort, SilentServer };

// Requests of a test against a silent server end after about a second.
inline constexpr int kOutageRequestTimeoutMs = 300;

class PlatformOutage {
 public:
  explicit PlatformOutage(Outage outage) : outage_(outage) {
    if (outage == Outage::SilentServer) {
      silent_ = std::make_unique<ScriptedHttpServer>(
          [](const ScriptedRequest&) { return ScriptedReply{.silent = true}; });
      port_ = silent_->port();
    } else {
      ScriptedHttpServer gone([](const ScriptedRequest&) { return ScriptedReply{}; });
      port_ = gone.port();
    }
  }

  int port() const { return port_; }
  ServiceAddresses addresses() const {
    const GbkText address = "127.0.0.1:" + std::to_string(port_);
    return {address, address, address, address, address,
            address, address, address, address, address};
  }
  // How many requests reached the silent server (none can reach a closed port).
  std::size_t requestCount() const { return silent_ ? silent_->requests().size() : 0; }

  // The sentence a user's action shows for this outage.
  QString sentence() const {
    return outage_ == Outage::ClosedPort
               ? QStringLiteral("无法连接服务器，请检查网络后重试（连接被拒绝）")
               : QStringLiteral("无法连接服务器，请检查网络后重试（响应超时）");
  }

  static Pacing pacing() { return Pacing{0.01, kOutageRequestTimeoutMs}; }

 private:
  Outage outage_;
  std::unique_ptr<ScriptedHttpServer> silent_;
  int port_ = 0;
};

inline std::string outageName(const testing::TestParamInfo<Outage>& info) {
  return info.param == Outage::ClosedPort ? "ClosedPort" : "SilentServer";
}

}  // namespace verdomo::test
