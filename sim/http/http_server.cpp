#include "sim/http/http_server.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

#include "sim/http/listener.h"

namespace verdomo::sim {

HttpServer::HttpServer(ServerSettings settings, const FaultPlan& faults, RequestLog* log)
    : settings_(settings), faults_(faults), log_(log) {
  if (::pipe2(wakePipe_, O_CLOEXEC) != 0) throw std::runtime_error("cannot create a pipe");
}

HttpServer::~HttpServer() {
  stop();
  ::close(wakePipe_[0]);
  ::close(wakePipe_[1]);
}

void HttpServer::addListener(int socket, HttpHandler handler, const TlsContext* tls) {
  if (started_) throw std::logic_error("listeners are added before the server starts");
  listeners_.push_back({socket, boundPort(socket), std::move(handler), tls});
}

void HttpServer::start() {
  started_ = true;
  acceptor_ = std::thread([this] { acceptLoop(); });
}

void HttpServer::stop() {
  {
    std::lock_guard lock(mutex_);
    if (stopping_) return;
    stopping_ = true;
    for (int socket : openSockets_)
      ::shutdown(socket, SHUT_RDWR);
  }
  stopped_.notify_all();
  if (acceptor_.joinable()) {
    const char wake = 1;
    [[maybe_unused]] const ssize_t written = ::write(wakePipe_[1], &wake, 1);
    acceptor_.join();
  }
  // The workers take the lock to finish, so they are joined without it; the acceptor, the only
  // one that adds workers, has ended.
  for (auto& worker : workers_)
    worker->thread.join();
  workers_.clear();
  for (const Listener& listener : listeners_)
    ::close(listener.socket);
  listeners_.clear();
}

bool HttpServer::pause(std::chrono::milliseconds duration) {
  std::unique_lock lock(mutex_);
  return !stopped_.wait_for(lock, duration, [this] { return stopping_; });
}

void HttpServer::reapFinishedWorkers() {
  for (auto it = workers_.begin(); it != workers_.end();) {
    if ((*it)->done.load()) {
      (*it)->thread.join();
      it = workers_.erase(it);
    } else {
      ++it;
    }
  }
}

void HttpServer::acceptLoop() {
  std::vector<pollfd> watched;
  for (const Listener& listener : listeners_)
    watched.push_back({listener.socket, POLLIN, 0});
  watched.push_back({wakePipe_[0], POLLIN, 0});

  for (;;) {
    if (::poll(watched.data(), watched.size(), -1) < 0) {
      if (errno == EINTR) continue;
      return;
    }
    if (watched.back().revents != 0) return;
    for (std::size_t i = 0; i < listeners_.size(); ++i) {
      if ((watched[i].revents & POLLIN) == 0) continue;
      const int socket = ::accept4(listeners_[i].socket, nullptr, nullptr, SOCK_CLOEXEC);
      if (socket < 0) {
        if (errno == EMFILE || errno == ENFILE)
          std::this_thread::sleep_for(std::chrono::milliseconds(10));
        continue;
      }
      std::lock_guard lock(mutex_);
      reapFinishedWorkers();
      if (stopping_ || openSockets_.size() >= settings_.maxConnections) {
        ::close(socket);
        continue;
      }
      openSockets_.insert(socket);
      auto worker = std::make_unique<Worker>();
      Worker* running = worker.get();
      const Listener& listener = listeners_[i];
      worker->thread = std::thread([this, socket, &listener, running] {
        serve(socket, listener);
        {
          std::lock_guard closing(mutex_);
          openSockets_.erase(socket);
          ::close(socket);
        }
        running->done = true;
      });
      workers_.push_back(std::move(worker));
    }
  }
}

}  // namespace verdomo::sim
