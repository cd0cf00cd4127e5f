#pragma once
// Listening sockets on the loopback interface only.

namespace verdomo::sim {

// A socket listening on 127.0.0.1:`port` (0 for an ephemeral port), or -1 when the port
// cannot be bound.
int listenOnLoopback(int port);

// The port a listening socket is bound to.
int boundPort(int socket);

}  // namespace verdomo::sim
