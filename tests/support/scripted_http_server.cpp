#include "support/scripted_http_server.h"

#include "support/loopback_socket.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <stdexcept>

namespace verdomo::test {
namespace {

std::string lowerCase(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower;
}

bool sendAll(int socket, std::string_view data) {
  while (!data.empty()) {
    const ssize_t sent = ::send(socket, data.data(), data.size(), MSG_NOSIGNAL);
    if (sent <= 0) return false;
    data.remove_prefix(static_cast<std::size_t>(sent));
  }
  return true;
}

ScriptedRequest parseHead(const std::string& head, int connection) {
  ScriptedRequest request;
  request.connection = connection;
  std::size_t lineEnd = head.find("\r\n");
  request.requestLine = head.substr(0, lineEnd);
  const std::size_t firstSpace = request.requestLine.find(' ');
  const std::size_t lastSpace = request.requestLine.rfind(' ');
  request.method = request.requestLine.substr(0, firstSpace);
  if (firstSpace != std::string::npos && lastSpace > firstSpace) {
    request.target = request.requestLine.substr(firstSpace + 1, lastSpace - firstSpace - 1);
  }
  while (lineEnd != std::string::npos && lineEnd + 2 < head.size()) {
    const std::size_t start = lineEnd + 2;
    lineEnd = head.find("\r\n", start);
    const std::string line = head.substr(start, lineEnd - start);
    const std::size_t colon = line.find(':');
    if (colon == std::string::npos) continue;
    std::string value = line.substr(colon + 1);
    value.erase(0, value.find_first_not_of(' '));
    request.headers.emplace_back(line.substr(0, colon), value);
  }
  return request;
}

const char* reasonOf(int status) {
  switch (status) {
    case 200:
      return "OK";
    case 301:
      return "Moved Permanently";
    case 302:
      return "Found";
    case 404:
      return "Not Found";
    case 500:
      return "Internal Server Error";
    default:
      return "Status";
  }
}

}  // namespace

std::optional<std::string> ScriptedRequest::header(std::string_view name) const {
  for (const auto& [key, value] : headers) {
    if (lowerCase(key) == lowerCase(name)) return value;
  }
  return std::nullopt;
}

ScriptedHttpServer::ScriptedHttpServer(Script script) : script_(std::move(script)) {
  const LoopbackListener listener = listenOnLoopback(64);
  listener_ = listener.socket;
  port_ = listener.port;
  if (::pipe2(wakePipe_, O_CLOEXEC) != 0) throw std::runtime_error("scripted server: no pipe");
  acceptor_ = std::thread([this] { acceptLoop(); });
}

ScriptedHttpServer::~ScriptedHttpServer() {
  stopping_ = true;
  (void)!::write(wakePipe_[1], "x", 1);
  acceptor_.join();
  {
    std::lock_guard lock(mutex_);
    for (int socket : openSockets_)
      ::shutdown(socket, SHUT_RDWR);
  }
  for (std::thread& worker : workers_)
    worker.join();
  ::close(listener_);
  ::close(wakePipe_[0]);
  ::close(wakePipe_[1]);
}

std::vector<ScriptedRequest> ScriptedHttpServer::requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

void ScriptedHttpServer::acceptLoop() {
  while (!stopping_) {
    pollfd watched[2] = {{listener_, POLLIN, 0}, {wakePipe_[0], POLLIN, 0}};
    if (::poll(watched, 2, -1) <= 0 || (watched[1].revents & POLLIN)) continue;
    const int socket = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    if (socket < 0) continue;
    // Without TCP_NODELAY a reply on a reused connection waits for a delayed acknowledgement.
    const int on = 1;
    ::setsockopt(socket, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    const int connection = ++connections_;
    std::lock_guard lock(mutex_);
    openSockets_.push_back(socket);
    workers_.emplace_back([this, socket, connection] { serve(socket, connection); });
  }
}

void ScriptedHttpServer::serve(int socket, int connection) {
  std::string buffer;
  char chunk[8192];
  bool open = true;
  while (open && !stopping_) {
    const std::size_t headEnd = buffer.find("\r\n\r\n");
    if (headEnd == std::string::npos) {
      const ssize_t received = ::recv(socket, chunk, sizeof chunk, 0);
      if (received <= 0) break;
      buffer.append(chunk, static_cast<std::size_t>(received));
      continue;
    }
    ScriptedRequest request = parseHead(buffer.substr(0, headEnd), connection);
    buffer.erase(0, headEnd + 4);
    {
      std::lock_guard lock(mutex_);
      requests_.push_back(request);
    }
    const ScriptedReply answer = script_(request);
    if (answer.delay.count() > 0) std::this_thread::sleep_for(answer.delay);
    if (answer.silent) {
      while (!stopping_ && ::recv(socket, chunk, sizeof chunk, 0) > 0) {
      }
      break;
    }
    if (answer.reset) {
      const linger abort{1, 0};
      ::setsockopt(socket, SOL_SOCKET, SO_LINGER, &abort, sizeof abort);
      break;
    }
    if (answer.raw) {
      sendAll(socket, *answer.raw);
      break;
    }
    reply(socket, answer);
  }
  {
    std::lock_guard lock(mutex_);
    openSockets_.erase(std::find(openSockets_.begin(), openSockets_.end(), socket));
  }
  ::close(socket);
}

void ScriptedHttpServer::reply(int socket, const ScriptedReply& answer) {
  std::string response =
      "HTTP/1.1 " + std::to_string(answer.status) + " " + reasonOf(answer.status) + "\r\n";
  response += "Content-Length: " + std::to_string(answer.body.size()) + "\r\n";
  for (const auto& [name, value] : answer.headers)
    response += name + ": " + value + "\r\n";
  response += "\r\n";
  if (answer.trickle.count() == 0) {
    sendAll(socket, response + answer.body);
    return;
  }
  if (!sendAll(socket, response)) return;
  // Until the client gives up or the server stops.
  for (std::size_t i = 0; i < answer.body.size() && !stopping_; ++i) {
    std::this_thread::sleep_for(answer.trickle);
    if (!sendAll(socket, std::string_view(answer.body).substr(i, 1))) return;
  }
}

}  // namespace verdomo::test
