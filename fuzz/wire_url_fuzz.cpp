// URLs on the wire: after the scheme and host nothing that may not stand in a URL is left, and
// the escapes decode back to exactly the text's UTF-8 form; every byte of a percent-encoded value
// is escaped and decodes back.
#include <cstring>

#include "api/percent_encode.h"
#include "api/wire_url.h"
#include "fuzz_support.h"
#include "platform/gbk_codec.h"

using namespace verdomo;
using namespace verdomo::fuzz;

namespace {

bool mustBeEscaped(unsigned char byte) {
  return byte <= ' ' || byte >= 0x7F || (byte != 0 && std::strchr("\"#<>[\\]^`{|}", byte));
}

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;  // lower case is not what goes out
}

// Walks `wire` against `plain`: each plain byte stands as itself, or as "%" and two upper-case
// hex digits when it must be escaped (and only then).
bool escapesOf(std::string_view wire, std::string_view plain, bool everyByte) {
  std::size_t w = 0;
  for (const char c : plain) {
    const auto byte = static_cast<unsigned char>(c);
    if (everyByte || mustBeEscaped(byte)) {
      if (w + 3 > wire.size() || wire[w] != '%') return false;
      const int high = hexValue(wire[w + 1]);
      const int low = hexValue(wire[w + 2]);
      if (high < 0 || low < 0 || high * 16 + low != byte) return false;
      w += 3;
    } else {
      if (w >= wire.size() || wire[w] != c) return false;
      ++w;
    }
  }
  return w == wire.size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view gbk = bytesOf(data, size);
  const std::string utf8 = gbkToUtf8(gbk);
  const std::string wire = wireUrl(gbk);

  // The scheme and host stand untouched, up to the first "/", "?" or "#" after "://".
  std::size_t hostEnd = 0;
  if (const std::size_t scheme = utf8.find("://"); scheme != std::string::npos) {
    hostEnd = std::min(utf8.find_first_of("/?#", scheme + 3), utf8.size());
  }
  FUZZ_REQUIRE(wire.compare(0, hostEnd, utf8, 0, hostEnd) == 0);
  const std::string_view rest = std::string_view(wire).substr(hostEnd);
  for (const char c : rest) {
    FUZZ_REQUIRE(c == '%' || !mustBeEscaped(static_cast<unsigned char>(c)));
  }
  FUZZ_REQUIRE(escapesOf(rest, std::string_view(utf8).substr(hostEnd), false));

  const std::string encoded = percentEncode(gbk);
  FUZZ_REQUIRE(escapesOf(encoded, utf8, true));
  return 0;
}
