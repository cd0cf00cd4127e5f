#pragma once
// Peers for transport tests that the scripted server cannot play.

#include <memory>
#include <string>

namespace verdomo::test {

// A loopback port whose listen queue is full, so a new connection attempt is never answered:
// the connect hangs as it does towards an unreachable host.
class UnansweredListener {
 public:
  UnansweredListener();
  ~UnansweredListener();
  UnansweredListener(const UnansweredListener&) = delete;
  UnansweredListener& operator=(const UnansweredListener&) = delete;
  int port() const { return port_; }

 private:
  int listener_ = -1;
  int port_ = 0;
  int queued_[4] = {-1, -1, -1, -1};
};

// An HTTPS server on a loopback port with a self-signed certificate, answering every GET with
// one body.
class SelfSignedHttpsServer {
 public:
  explicit SelfSignedHttpsServer(std::string body);
  ~SelfSignedHttpsServer();
  SelfSignedHttpsServer(const SelfSignedHttpsServer&) = delete;
  SelfSignedHttpsServer& operator=(const SelfSignedHttpsServer&) = delete;
  std::string baseUrl() const;

 private:
  struct Running;
  std::unique_ptr<Running> running_;
};

}  // namespace verdomo::test
