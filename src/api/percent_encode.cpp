#include "api/percent_encode.h"

namespace verdomo {

std::string percentEncode(std::string_view gbkText) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  const std::string utf8 = gbkToUtf8(gbkText);
  std::string encoded;
  encoded.reserve(utf8.size() * 3);
  for (unsigned char byte : utf8) {
    encoded += '%';
    encoded += kHex[byte >> 4];
    encoded += kHex[byte & 0x0F];
  }
  return encoded;
}

}  // namespace verdomo
