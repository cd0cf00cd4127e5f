#pragma once
// TLS for the segment service: a key and a self-signed certificate made at start, and a stream
// that runs TLS over an accepted socket.

#include <memory>
#include <string>

#include "sim/http/stream.h"

namespace verdomo::sim {

class TlsContext {
 public:
  // Makes a P-256 key and a certificate for 127.0.0.1 and localhost; throws when OpenSSL fails.
  TlsContext();
  ~TlsContext();
  TlsContext(const TlsContext&) = delete;
  TlsContext& operator=(const TlsContext&) = delete;

  std::string certificatePem() const;
  // The handshake on `socket`; nothing when it fails.
  std::unique_ptr<Stream> accept(int socket) const;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace verdomo::sim
