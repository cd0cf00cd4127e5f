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

// How a spoilt reply ended, for the request log.
enum class FaultEnding {
  Delivered,  // the whole reply went out (a delay, an oversize body read to its end)
  PeerLeft,   // the peer closed the connection first (gave up waiting, or stopped reading)
  Cut,        // the server cut the reply off as the fault says
  Stopped,    // the server was stopping
};
const char* faultEndingName(FaultEnding ending);

struct FaultOutcome {
  bool stayOpen;  // whether the connection may carry another request
  FaultEnding ending;
};

// Writes the reply spoilt by `fault`. A delay watches the line while it waits, so that a peer
// that gives up is noticed when it does.
FaultOutcome writeFaultyReply(Stream& stream, int socket, const HttpResponse& response,
                              bool keepAlive, const FaultRule& fault, const Pause& pause);

}  // namespace verdomo::sim
