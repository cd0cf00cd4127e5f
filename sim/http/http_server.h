#pragma once
// A small HTTP/1.1 server on loopback sockets, one thread per connection. It owns the socket
// outright, so that faults can close, reset, spoil or hold back a reply, and it logs the raw
// target of every request. Keep-alive is honoured and TCP_NODELAY set on every connection, so
// small replies on a reused connection are not held back by Nagle's algorithm.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <list>
#include <memory>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

#include "sim/http/faults.h"
#include "sim/http/http_message.h"
#include "sim/http/request_log.h"
#include "sim/http/tls.h"

namespace verdomo::sim {

struct ServerSettings {
  std::chrono::seconds idleTimeout{120};  // a kept-alive connection idle this long is closed
  std::size_t maxConnections = 512;       // further connections are closed at once
  std::size_t maxHeadBytes = 16 * 1024;   // a longer request head is refused
  std::size_t maxBodyBytes = 1 << 20;     // a longer request body is refused
};

class HttpServer {
 public:
  // `log` may be null; `faults` and `log` must outlive the server.
  HttpServer(ServerSettings settings, const FaultPlan& faults, RequestLog* log);
  ~HttpServer();
  HttpServer(const HttpServer&) = delete;
  HttpServer& operator=(const HttpServer&) = delete;

  // Takes over a listening socket; its connections are served by `handler`, through TLS when
  // `tls` is given (it must outlive the server). Only before start().
  void addListener(int socket, HttpHandler handler, const TlsContext* tls = nullptr);
  void start();
  // Closes the listeners and every open connection and waits for their threads.
  void stop();

 private:
  struct Listener {
    int socket;
    int port;
    HttpHandler handler;
    const TlsContext* tls;
  };
  struct Worker {
    std::thread thread;
    std::atomic<bool> done{false};
  };

  void acceptLoop();
  void serve(int socket, const Listener& listener);
  bool pause(std::chrono::milliseconds duration);
  void reapFinishedWorkers();

  ServerSettings settings_;
  const FaultPlan& faults_;
  RequestLog* log_;
  std::vector<Listener> listeners_;
  int wakePipe_[2] = {-1, -1};
  std::thread acceptor_;
  bool started_ = false;

  std::mutex mutex_;
  std::condition_variable stopped_;
  bool stopping_ = false;
  std::set<int> openSockets_;
  std::list<std::unique_ptr<Worker>> workers_;
};

}  // namespace verdomo::sim
