#pragma once
// A real HTTP/1.1 server on a loopback ephemeral port whose replies a test scripts. It records
// every request as it arrived on the wire (request line, headers, which connection carried it)
// and can misbehave on purpose: stay silent, reset the connection, send garbage, trickle.

#include <atomic>
#include <chrono>
#include <functional>
#include <list>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace verdomo::test {

struct ScriptedRequest {
  std::string requestLine;  // "GET /path HTTP/1.1"
  std::string method;
  std::string target;  // the raw target, escapes as sent
  std::vector<std::pair<std::string, std::string>> headers;
  int connection = 0;  // 1 for the first accepted connection, 2 for the next, ...

  // The value of a header (name compared regardless of case), or nothing.
  std::optional<std::string> header(std::string_view name) const;
};

struct ScriptedReply {
  int status = 200;
  std::string body;  // bytes, GBK for platform replies
  std::vector<std::pair<std::string, std::string>> headers;
  std::optional<std::string> raw;  // sent instead of a well-formed response, then the line closes
  bool silent = false;             // answer nothing, keep the connection open
  bool reset = false;              // drop the connection with a TCP reset
  std::chrono::milliseconds delay{0};
  // Above 0: the head goes out at once, then the body one byte at a time with this pause before
  // each byte.
  std::chrono::milliseconds trickle{0};

  static ScriptedReply text(std::string body) { return {.body = std::move(body)}; }
  static ScriptedReply redirect(std::string location) {
    return {.status = 302, .headers = {{"Location", std::move(location)}}};
  }
};

class ScriptedHttpServer {
 public:
  using Script = std::function<ScriptedReply(const ScriptedRequest&)>;

  explicit ScriptedHttpServer(Script script);
  ~ScriptedHttpServer();
  ScriptedHttpServer(const ScriptedHttpServer&) = delete;
  ScriptedHttpServer& operator=(const ScriptedHttpServer&) = delete;

  int port() const { return port_; }
  std::string baseUrl() const { return "http://127.0.0.1:" + std::to_string(port_); }
  std::vector<ScriptedRequest> requests() const;
  int connectionCount() const { return connections_.load(); }

 private:
  void acceptLoop();
  void serve(int socket, int connection);
  void reply(int socket, const ScriptedReply& reply);

  Script script_;
  int listener_ = -1;
  int port_ = 0;
  int wakePipe_[2] = {-1, -1};
  std::atomic<bool> stopping_{false};
  std::atomic<int> connections_{0};
  mutable std::mutex mutex_;
  std::vector<ScriptedRequest> requests_;
  std::vector<int> openSockets_;
  std::list<std::thread> workers_;
  std::thread acceptor_;
};

}  // namespace verdomo::test
