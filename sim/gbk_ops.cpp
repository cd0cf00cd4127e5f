#include "sim/gbk_ops.h"

#include <algorithm>

namespace verdomo::sim {
namespace {

char asciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

template <typename Equal>
std::size_t findFrom(std::string_view text, std::string_view needle, std::size_t from,
                     Equal equal) {
  if (needle.empty()) return from <= text.size() ? from : std::string_view::npos;
  std::size_t position = 0;
  while (position < text.size() && position + needle.size() <= text.size()) {
    if (position >= from &&
        std::equal(needle.begin(), needle.end(), text.begin() + position, equal))
      return position;
    position += gbkUnitLength(text, position);
  }
  return std::string_view::npos;
}

}  // namespace

std::size_t findGbk(std::string_view text, std::string_view needle, std::size_t from) {
  return findFrom(text, needle, from, [](char a, char b) { return a == b; });
}

bool containsGbk(std::string_view text, std::string_view needle) {
  return findGbk(text, needle) != std::string_view::npos;
}

bool containsGbkIgnoringCase(std::string_view text, std::string_view needle) {
  return findFrom(text, needle, 0, [](char a, char b) { return asciiLower(a) == asciiLower(b); }) !=
         std::string_view::npos;
}

std::vector<GbkText> splitGbk(std::string_view text, std::string_view separator) {
  std::vector<GbkText> pieces;
  std::size_t start = 0;
  for (;;) {
    const std::size_t found = findGbk(text, separator, start);
    if (found == std::string_view::npos || separator.empty()) break;
    pieces.emplace_back(text.substr(start, found - start));
    start = found + separator.size();
  }
  pieces.emplace_back(text.substr(start));
  return pieces;
}

GbkText withoutSpaces(std::string_view text) {
  GbkText result;
  result.reserve(text.size());
  for (std::size_t position = 0; position < text.size();) {
    const std::size_t length = gbkUnitLength(text, position);
    const std::string_view unit = text.substr(position, length);
    if (unit != " " && unit != "\xA1\xA1") result.append(unit);
    position += length;
  }
  return result;
}

bool isDigits(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::optional<int> parseWholeNumber(std::string_view text) {
  if (!isDigits(text) || text.size() > 9) return std::nullopt;
  int value = 0;
  for (char c : text)
    value = value * 10 + (c - '0');
  return value;
}

}  // namespace verdomo::sim
