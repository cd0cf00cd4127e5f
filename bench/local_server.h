#pragma once
// A cpp-httplib server on a loopback port that answers every GET with one fixed body, for
// benchmarks that need a real platform round trip without the simulator's logic.

#include <httplib.h>

#include <string>
#include <thread>

namespace verdomo::bench {

class LocalServer {
 public:
  explicit LocalServer(std::string body) : body_(std::move(body)) {
    server_.set_tcp_nodelay(true);  // else a reused connection waits for a delayed ACK
    server_.set_keep_alive_max_count(1 << 30);
    server_.Get(".*", [this](const httplib::Request&, httplib::Response& response) {
      response.set_content(body_, "text/plain");
    });
    port_ = server_.bind_to_any_port("127.0.0.1");
    thread_ = std::thread([this] { server_.listen_after_bind(); });
    while (!server_.is_running())
      std::this_thread::yield();
  }
  ~LocalServer() {
    server_.stop();
    thread_.join();
  }
  LocalServer(const LocalServer&) = delete;
  LocalServer& operator=(const LocalServer&) = delete;

  int port() const { return port_; }

 private:
  std::string body_;
  httplib::Server server_;
  int port_ = 0;
  std::thread thread_;
};

}  // namespace verdomo::bench
