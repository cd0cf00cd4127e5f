#pragma once
// Puts a reply on the wire: well-formed, or spoilt the way a fault rule says.

#include <chrono>
#include <functional>

#include "sim/http/faults.h"
#include "sim/http/http_message.h"
#include "sim/http/stream.h"

namespace verdomo::sim {

// Waits, and answers false when the server is stopping meanwhile.
using Pause = std::function<bool(std::chrono::milliseconds)>;

// Whether the reply went out whole.
bool writeReply(Stream& stream, const HttpResponse& response, bool keepAlive);

// Writes the reply spoilt by `fault`. Answers whether the connection may carry another request.
bool writeFaultyReply(Stream& stream, int socket, const HttpResponse& response, bool keepAlive,
                      const FaultRule& fault, const Pause& pause);

}  // namespace verdomo::sim
