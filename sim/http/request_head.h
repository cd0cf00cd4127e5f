#pragma once
// The head of an HTTP/1.x request: request line and the headers the server acts on.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace verdomo::sim {

struct RequestHead {
  std::string method;
  std::string target;
  std::string version;
  bool keepAlive = true;
  std::size_t contentLength = 0;
  bool chunked = false;
};

// Where the head in `buffer` ends (just past its blank line), or npos while it is incomplete.
// A bare line feed ends a line as well as CR LF.
std::size_t findHeadEnd(std::string_view buffer);

// Nothing when the request line or a header is malformed.
std::optional<RequestHead> parseRequestHead(std::string_view head);

}  // namespace verdomo::sim
