#pragma once

#include <string>
#include <string_view>

namespace verdomo {

// The URL as it goes on the wire. Feature code builds URLs from unescaped GBK values; here the
// text becomes UTF-8 and every byte that may not stand in a URL is percent-escaped with upper-case
// hex: control characters, DEL, space, " # < > [ \ ] ^ ` { | } and every byte of 0x80 and above.
// "%" stays as it is, so a "%41" typed by the user goes out unchanged. The scheme and host part
// stays untouched, so an IPv6 literal keeps its brackets.
std::string wireUrl(std::string_view gbkUrl);

}  // namespace verdomo
