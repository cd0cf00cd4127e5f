#pragma once
// Conversion between the GBK code page (code page 936) that every core text uses and UTF-8,
// the form the network and the file system of this platform want.

#include <string>
#include <string_view>

namespace verdomo {

// A text of GBK bytes: a byte of 0x80 or above leads a two-byte character.
using GbkText = std::string;

// A character GBK cannot hold, or a malformed UTF-8 sequence, becomes "?".
GbkText utf8ToGbk(std::string_view utf8);

// A byte pair that maps to nothing, a stray byte or a lead byte cut off at the end becomes "?".
std::string gbkToUtf8(std::string_view gbk);

// Bytes the codec takes as one character at `position`: a lead byte 0x81-0xFE with a trail byte
// 0x40-0xFE (not 0x7F), else one byte. Each such unit decodes to exactly one character.
std::size_t gbkUnitLength(std::string_view gbk, std::size_t position);

namespace literals {
// "成功"_gbk: source files are UTF-8, core texts are GBK.
inline GbkText operator""_gbk(const char* text, std::size_t length) {
  return utf8ToGbk(std::string_view(text, length));
}
}  // namespace literals

}  // namespace verdomo
