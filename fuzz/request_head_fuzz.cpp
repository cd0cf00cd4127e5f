// The simulator's request heads (it is a server): the end of a head is found inside the buffer,
// and a head that parses has a method, a target and a version with nothing that would split a
// line, whatever bytes came in.
#include "fuzz_support.h"
#include "sim/http/request_head.h"

using namespace verdomo::fuzz;
using namespace verdomo::sim;

namespace {

bool holdsLineBreak(std::string_view text) {
  return text.find('\r') != std::string_view::npos || text.find('\n') != std::string_view::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view buffer = bytesOf(data, size);
  const std::size_t end = findHeadEnd(buffer);
  if (end != std::string_view::npos) {
    FUZZ_REQUIRE(end <= buffer.size());
    FUZZ_REQUIRE(buffer[end - 1] == '\n');
    // The head ends at its first blank line: no shorter prefix is a whole head.
    FUZZ_REQUIRE(findHeadEnd(buffer.substr(0, end - 1)) == std::string_view::npos);
  }
  const auto head =
      parseRequestHead(end == std::string_view::npos ? buffer : buffer.substr(0, end));
  if (head) {
    FUZZ_REQUIRE(!head->method.empty() && !head->target.empty() && !head->version.empty());
    FUZZ_REQUIRE(!holdsLineBreak(head->method) && !holdsLineBreak(head->target) &&
                 !holdsLineBreak(head->version));
    FUZZ_REQUIRE(head->method.find(' ') == std::string::npos);
  }
  return 0;
}
