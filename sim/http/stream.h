#pragma once
// A connected socket as the server reads and writes it: plain, or TLS over the socket.

#include <cstddef>
#include <string_view>

namespace verdomo::sim {

class Stream {
 public:
  virtual ~Stream() = default;
  // Bytes read into `buffer`; 0 when the peer closed, the idle time ran out or the read failed.
  virtual std::size_t read(char* buffer, std::size_t size) = 0;
  // Whether every byte went out.
  virtual bool write(std::string_view bytes) = 0;
};

class PlainStream final : public Stream {
 public:
  explicit PlainStream(int socket) : socket_(socket) {}
  std::size_t read(char* buffer, std::size_t size) override;
  bool write(std::string_view bytes) override;

 private:
  int socket_;
};

}  // namespace verdomo::sim
