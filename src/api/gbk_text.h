#pragma once
// Searching, splitting and cutting GBK texts. Every search walks the text character by character:
// a byte of 0x80 or above and the byte after it are one character, so a marker never matches
// starting inside a double-byte character.

#include <cstddef>
#include <string_view>
#include <vector>

#include "platform/gbk_codec.h"

namespace verdomo {

inline constexpr std::size_t kNotFound = std::string_view::npos;

// Byte length of the character that starts at `position` (1 or 2; 1 for a lead byte at the end).
std::size_t characterLength(std::string_view text, std::size_t position);

// Position of the first occurrence of `marker` at or after `from` (a character boundary).
std::size_t findText(std::string_view text, std::string_view marker, std::size_t from = 0);
// The same, with ASCII letters compared regardless of case.
std::size_t findTextIgnoringCase(std::string_view text, std::string_view marker,
                                 std::size_t from = 0);
// Position of the last occurrence of `marker`.
std::size_t findLastText(std::string_view text, std::string_view marker);

bool containsText(std::string_view text, std::string_view marker);

// Every occurrence of `marker`, left to right and without overlap, replaced by `replacement`.
GbkText replaceAllText(std::string_view text, std::string_view marker,
                       std::string_view replacement);

// Splits at `delimiter`: every piece before a delimiter counts, even when empty; the piece after
// the last delimiter counts only when it is not empty; the empty text has no pieces.
std::vector<GbkText> splitFields(std::string_view text, std::string_view delimiter);
// The same pieces as views into `text`, for the hot paths that only look at them.
std::vector<std::string_view> splitFieldViews(std::string_view text, std::string_view delimiter);

// The text without any ASCII space (0x20) and any full-width space (A1 A1).
GbkText removeAllSpaces(std::string_view text);

// Everything after the last `marker`; empty when it does not occur.
GbkText textAfterLast(std::string_view text, std::string_view marker);
// Everything before the first `marker`; empty when it does not occur.
GbkText textBefore(std::string_view text, std::string_view marker);
// The text between the first `left` and the first `right` after it, both found regardless of
// letter case; empty when either is missing. "#引号" in a marker stands for a double quote.
GbkText textBetween(std::string_view text, std::string_view left, std::string_view right);

}  // namespace verdomo
