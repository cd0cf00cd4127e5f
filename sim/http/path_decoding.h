#pragma once
// The request path as the platform reads it: percent escapes decoded once into the UTF-8 bytes
// the client meant, then turned into GBK. Plain values (escaped by the client's transport) and
// the values the client percent-encodes itself come out alike.

#include <string>
#include <string_view>

#include "platform/gbk_codec.h"

namespace verdomo::sim {

// "%XX" becomes the byte XX (either case of hex digits); a "%" not followed by two hex digits
// stays as it is; "+" stays "+".
std::string percentDecode(std::string_view text);

// percentDecode, then UTF-8 to GBK (a character GBK cannot hold becomes "?").
GbkText decodeTarget(std::string_view target);

}  // namespace verdomo::sim
