#pragma once

#include "platform/gbk_codec.h"

namespace verdomo {

// Every byte of the text's UTF-8 form as "%" and two upper-case hex digits, letters included:
// "A" becomes "%41", a full-width Chinese character three escapes.
std::string percentEncode(std::string_view gbkText);

}  // namespace verdomo
