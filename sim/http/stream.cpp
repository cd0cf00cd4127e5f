#include "sim/http/stream.h"

#include <sys/socket.h>

#include <cerrno>

namespace verdomo::sim {

std::size_t PlainStream::read(char* buffer, std::size_t size) {
  for (;;) {
    const ssize_t got = ::recv(socket_, buffer, size, 0);
    if (got >= 0) return static_cast<std::size_t>(got);
    if (errno != EINTR) return 0;
  }
}

bool PlainStream::write(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t sent = ::send(socket_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (sent < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(sent));
  }
  return true;
}

}  // namespace verdomo::sim
