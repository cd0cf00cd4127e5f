#pragma once
// The few text operations the simulator needs on GBK bytes. Every search steps over a
// double-byte character as a whole, so a marker never matches inside one.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gbk_codec.h"

namespace verdomo::sim {

// Position of the first `needle` at or after `from` that starts on a character boundary.
std::size_t findGbk(std::string_view text, std::string_view needle, std::size_t from = 0);

bool containsGbk(std::string_view text, std::string_view needle);

// As containsGbk, with ASCII letters compared regardless of case.
bool containsGbkIgnoringCase(std::string_view text, std::string_view needle);

// Every piece between separators, empty ones included, the last one too.
std::vector<GbkText> splitGbk(std::string_view text, std::string_view separator);

// Without ASCII spaces and full-width spaces (A1 A1).
GbkText withoutSpaces(std::string_view text);

bool isDigits(std::string_view text);

// A whole decimal number of at most nine digits, nothing else.
std::optional<int> parseWholeNumber(std::string_view text);

}  // namespace verdomo::sim
