#pragma once
// Why a request produced no reply. The request's text is then empty, as always; this only lets a
// user's action say what went wrong instead of showing an empty message.

namespace verdomo {

enum class TransportFailure {
  None,             // a reply arrived (it may still be empty)
  HostNotFound,     // the server's name could not be resolved
  Refused,          // the server's port refused the connection
  NoConnection,     // no connection could be made for another reason (network unreachable, ...)
  ConnectTimedOut,  // the server did not answer the connection attempt in time
  ReplyTimedOut,    // connected, but the reply did not come in time
  Reset,            // the connection broke or closed before the reply was complete
  BodyTooLarge,     // the reply went past the body limit
  Other,            // any other transport error
};

}  // namespace verdomo
