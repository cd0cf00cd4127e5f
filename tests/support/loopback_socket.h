#pragma once

namespace verdomo::test {

// A TCP socket listening on 127.0.0.1 at an ephemeral port; throws when that fails.
struct LoopbackListener {
  int socket = -1;
  int port = 0;
};
LoopbackListener listenOnLoopback(int backlog);

// Opens a connection to the loopback port without waiting for it to complete.
int startConnecting(int port);

}  // namespace verdomo::test
