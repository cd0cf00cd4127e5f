#include "support/test_servers.h"

#include "support/loopback_socket.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <httplib.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>
#include <thread>

namespace verdomo::test {

UnansweredListener::UnansweredListener() {
  const LoopbackListener listener = listenOnLoopback(0);
  listener_ = listener.socket;
  port_ = listener.port;
  // Connections that are never accepted fill the queue; Linux then drops further SYNs.
  for (int& queued : queued_)
    queued = startConnecting(port_);
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
}

UnansweredListener::~UnansweredListener() {
  for (int queued : queued_)
    ::close(queued);
  ::close(listener_);
}

struct SelfSignedHttpsServer::Running {
  Running()
      : server(VERDOMO_TEST_DATA_DIR "/test_server.crt", VERDOMO_TEST_DATA_DIR "/test_server.key") {
  }
  httplib::SSLServer server;
  int port = 0;
  std::thread thread;
};

SelfSignedHttpsServer::SelfSignedHttpsServer(std::string body)
    : running_(std::make_unique<Running>()) {
  httplib::SSLServer& server = running_->server;
  if (!server.is_valid()) throw std::runtime_error("cannot load the test certificate");
  server.set_tcp_nodelay(true);
  server.Get(".*", [body](const httplib::Request&, httplib::Response& response) {
    response.set_content(body, "text/plain");
  });
  running_->port = server.bind_to_any_port("127.0.0.1");
  running_->thread = std::thread([&server] { server.listen_after_bind(); });
  while (!server.is_running())
    std::this_thread::yield();
}

SelfSignedHttpsServer::~SelfSignedHttpsServer() {
  running_->server.stop();
  running_->thread.join();
}

std::string SelfSignedHttpsServer::baseUrl() const {
  return "https://127.0.0.1:" + std::to_string(running_->port);
}

}  // namespace verdomo::test
