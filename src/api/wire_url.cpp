#include "api/wire_url.h"

#include <array>

#include "platform/gbk_codec.h"

namespace verdomo {
namespace {

constexpr std::array<bool, 256> makeEscapeTable() {
  std::array<bool, 256> escape{};
  for (int byte = 0; byte < 256; ++byte)
    escape[byte] = byte < 0x21 || byte >= 0x7F;
  for (unsigned char byte : std::string_view("\"#<>[\\]^`{|}"))
    escape[byte] = true;
  return escape;
}

constexpr std::array<bool, 256> kEscape = makeEscapeTable();

// Where the part to escape starts: after "scheme://host[:port]", at the first "/", "?" or "#";
// 0 when the text has no scheme.
std::size_t pathStart(std::string_view url) {
  const std::size_t schemeEnd = url.find("://");
  if (schemeEnd == std::string_view::npos) return 0;
  const std::size_t end = url.find_first_of("/?#", schemeEnd + 3);
  return end == std::string_view::npos ? url.size() : end;
}

}  // namespace

std::string wireUrl(std::string_view gbkUrl) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  const std::string utf8 = gbkToUtf8(gbkUrl);
  const std::size_t start = pathStart(utf8);
  std::string wire = utf8.substr(0, start);
  wire.reserve(utf8.size() + utf8.size() / 2);
  for (std::size_t i = start; i < utf8.size(); ++i) {
    const auto byte = static_cast<unsigned char>(utf8[i]);
    if (kEscape[byte]) {
      wire += '%';
      wire += kHex[byte >> 4];
      wire += kHex[byte & 0x0F];
    } else {
      wire += static_cast<char>(byte);
    }
  }
  return wire;
}

}  // namespace verdomo
