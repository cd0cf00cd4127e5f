#pragma once
// What every target shares. A property that does not hold aborts with the text of the check;
// libFuzzer reports that as a crash and keeps the input that broke it.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#define FUZZ_REQUIRE(condition)                                                             \
  do {                                                                                      \
    if (!(condition)) {                                                                     \
      std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                         \
    }                                                                                       \
  } while (false)

namespace verdomo::fuzz {

inline std::string_view bytesOf(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// The input as a first byte that chooses what is exercised, and the rest.
struct Choice {
  unsigned selector = 0;
  std::string_view rest;
};
inline Choice chooseFrom(std::string_view input) {
  if (input.empty()) return {};
  return {static_cast<unsigned char>(input.front()), input.substr(1)};
}

// Two texts from one input, split at the first zero byte (the second is empty without one).
inline std::pair<std::string_view, std::string_view> twoTexts(std::string_view input) {
  const std::size_t zero = input.find('\0');
  if (zero == std::string_view::npos) return {input, {}};
  return {input.substr(0, zero), input.substr(zero + 1)};
}

template <typename Pieces>
std::string joinPieces(const Pieces& pieces, std::string_view delimiter) {
  std::string joined;
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    if (i > 0) joined += delimiter;
    joined += pieces[i];
  }
  return joined;
}

// Whether the text is well-formed UTF-8 (shortest forms, no surrogates, nothing above U+10FFFF).
bool isWellFormedUtf8(std::string_view text);
// Number of characters in well-formed UTF-8.
std::size_t utf8CharacterCount(std::string_view text);

}  // namespace verdomo::fuzz
