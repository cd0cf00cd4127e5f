#include "api/gbk_text.h"

#include <cstring>

namespace verdomo {
namespace {

bool isLeadByte(char byte) {
  return static_cast<unsigned char>(byte) >= 0x80;
}

char foldAscii(char byte) {
  return (byte >= 'A' && byte <= 'Z') ? static_cast<char>(byte + 32) : byte;
}

// Compares character by character from a character boundary: single bytes regardless of ASCII
// letter case, double-byte characters exactly (their trail bytes may look like letters).
bool equalIgnoringCase(std::string_view a, std::string_view b) {
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (isLeadByte(a[i]) && i + 1 < a.size()) {
      if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
      ++i;
    } else if (foldAscii(a[i]) != foldAscii(b[i])) {
      return false;
    }
  }
  return true;
}

template <typename Equal>
std::size_t findWith(std::string_view text, std::string_view marker, std::size_t from,
                     Equal equal) {
  if (marker.empty()) return from <= text.size() ? from : kNotFound;
  if (marker.size() > text.size()) return kNotFound;
  const std::size_t last = text.size() - marker.size();
  for (std::size_t at = from; at <= last; at += characterLength(text, at)) {
    if (equal(text.substr(at, marker.size()), marker)) return at;
  }
  return kNotFound;
}

// "#引号" in a marker stands for a double quote, so markers can be written inside quoted texts.
GbkText resolveQuotePlaceholder(std::string_view marker) {
  static const GbkText placeholder = utf8ToGbk("#引号");
  return replaceAllText(marker, placeholder, "\"");
}

}  // namespace

std::size_t characterLength(std::string_view text, std::size_t position) {
  return (isLeadByte(text[position]) && position + 1 < text.size()) ? 2 : 1;
}

std::size_t findText(std::string_view text, std::string_view marker, std::size_t from) {
  return findWith(text, marker, from, [](std::string_view a, std::string_view b) {
    return a.front() == b.front() && std::memcmp(a.data(), b.data(), a.size()) == 0;
  });
}

std::size_t findTextIgnoringCase(std::string_view text, std::string_view marker, std::size_t from) {
  return findWith(text, marker, from, equalIgnoringCase);
}

std::size_t findLastText(std::string_view text, std::string_view marker) {
  if (marker.empty()) return text.size();
  std::size_t found = kNotFound;
  for (std::size_t at = findText(text, marker); at != kNotFound && at < text.size();
       at = findText(text, marker, at + characterLength(text, at))) {
    found = at;
  }
  return found;
}

bool containsText(std::string_view text, std::string_view marker) {
  return findText(text, marker) != kNotFound;
}

GbkText replaceAllText(std::string_view text, std::string_view marker,
                       std::string_view replacement) {
  if (marker.empty()) return GbkText(text);
  GbkText result;
  result.reserve(text.size());
  std::size_t start = 0;
  for (std::size_t at = findText(text, marker); at != kNotFound;
       at = findText(text, marker, start)) {
    result.append(text, start, at - start).append(replacement);
    start = at + marker.size();
  }
  return result.append(text.substr(start));
}

std::vector<std::string_view> splitFieldViews(std::string_view text, std::string_view delimiter) {
  std::vector<std::string_view> pieces;
  if (text.empty()) return pieces;
  if (delimiter.empty()) return {text};
  std::size_t start = 0;
  for (std::size_t at = findText(text, delimiter); at != kNotFound;
       at = findText(text, delimiter, start)) {
    pieces.push_back(text.substr(start, at - start));
    start = at + delimiter.size();
  }
  if (start < text.size()) pieces.push_back(text.substr(start));
  return pieces;
}

std::vector<GbkText> splitFields(std::string_view text, std::string_view delimiter) {
  std::vector<GbkText> pieces;
  for (std::string_view piece : splitFieldViews(text, delimiter))
    pieces.emplace_back(piece);
  return pieces;
}

GbkText removeAllSpaces(std::string_view text) {
  GbkText result;
  result.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = characterLength(text, at);
    const std::string_view character = text.substr(at, length);
    if (character != " " && character != "\xA1\xA1") result.append(character);
    at += length;
  }
  return result;
}

GbkText textAfterLast(std::string_view text, std::string_view marker) {
  const std::size_t at = findLastText(text, marker);
  return at == kNotFound ? GbkText() : GbkText(text.substr(at + marker.size()));
}

GbkText textBefore(std::string_view text, std::string_view marker) {
  const std::size_t at = findText(text, marker);
  return at == kNotFound ? GbkText() : GbkText(text.substr(0, at));
}

GbkText textBetween(std::string_view text, std::string_view left, std::string_view right) {
  const GbkText leftMarker = resolveQuotePlaceholder(left);
  const std::size_t leftAt = findTextIgnoringCase(text, leftMarker);
  if (leftAt == kNotFound) return {};
  const std::string_view rest = text.substr(leftAt + leftMarker.size());
  const std::size_t rightAt = findTextIgnoringCase(rest, resolveQuotePlaceholder(right));
  return rightAt == kNotFound ? GbkText() : GbkText(rest.substr(0, rightAt));
}

}  // namespace verdomo
