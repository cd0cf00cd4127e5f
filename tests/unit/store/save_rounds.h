#pragma once
// The values one round of saves writes, shared by the saving child and the test that kills it:
// every value names its round and carries a filler derived from it, so a value that mixes two
// rounds, or is cut short, reads as no round at all.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "api/gbk_text.h"
#include "store/table_store.h"

namespace verdomo::test::saves {

using namespace verdomo::literals;

inline const GbkText kDatabase = "设置"_gbk;
inline const GbkText kTable = "记录"_gbk;
inline const GbkText kIdentifier = "号码13800000000"_gbk;
inline const GbkText kTextField = "短信"_gbk;
inline const GbkText kIntField = "次数"_gbk;
inline const GbkText kBytesField = "图片"_gbk;

// "<label><round>:" and a few kilobytes that depend on the round, so a torn write shows.
inline std::string roundValue(std::string_view label, long round, std::size_t size) {
  std::string value = std::string(label) + std::to_string(round) + ":";
  for (std::size_t i = 0; value.size() < size; ++i) {
    value += static_cast<char>('a' + (round * 7 + static_cast<long>(i)) % 26);
  }
  return value;
}

// The round a value was written in, when it is whole.
inline std::optional<long> roundOf(std::string_view value, std::string_view label,
                                   std::size_t size) {
  if (!value.starts_with(label)) return std::nullopt;
  const std::size_t colon = value.find(':');
  if (colon == std::string_view::npos || colon == label.size()) return std::nullopt;
  long round = 0;
  for (const char c : value.substr(label.size(), colon - label.size())) {
    if (c < '0' || c > '9') return std::nullopt;
    round = round * 10 + (c - '0');
  }
  if (value != roundValue(label, round, size)) return std::nullopt;
  return round;
}

inline constexpr std::size_t kSignInSize = 3000;
inline constexpr std::size_t kTextSize = 20000;
inline constexpr std::size_t kBytesSize = 12000;

}  // namespace verdomo::test::saves
