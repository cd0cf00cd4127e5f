#include "funds/funds_rules.h"

#include "api/gbk_text.h"
#include "api/text_to_int.h"

namespace verdomo {
namespace {

using namespace verdomo::literals;

constexpr std::string_view kErrorMarker = "\xFF\x7B\xE7";

// A decimal amount as a platform writes one: digits with at most one point, an optional sign,
// white space around it.
bool isAmount(std::string_view text) {
  const auto isSpace = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
  while (!text.empty() && isSpace(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && isSpace(text.back()))
    text.remove_suffix(1);
  if (!text.empty() && text.front() == '-') text.remove_prefix(1);
  bool digits = false;
  bool point = false;
  for (const char c : text) {
    if (c >= '0' && c <= '9') {
      digits = true;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      return false;
    }
  }
  return digits;
}

}  // namespace

bool amountAtLeastTenYuan(std::string_view typedAmount) {
  return static_cast<double>(textToFloat(typedAmount)) - 10.0 >= -0.0000001;
}

std::optional<Balance> balanceOf(std::string_view reply) {
  std::vector<GbkText> fields = splitFields(reply, "|");
  if (fields.size() < 2 || !isAmount(fields[1])) return std::nullopt;
  return Balance{std::move(fields[0]), std::move(fields[1])};
}

GbkText payeeLine(std::string_view name, std::string_view account) {
  return "转账支付宝："_gbk + GbkText(account) + " （"_gbk + GbkText(name) + "）"_gbk;
}

// Byte-wise: the reply is a picture or a GBK text, and the marker is no GBK character.
std::vector<std::string> splitAtErrorMarker(std::string_view reply) {
  std::vector<std::string> pieces;
  std::size_t start = 0;
  for (std::size_t at = reply.find(kErrorMarker); at != std::string_view::npos;
       at = reply.find(kErrorMarker, start)) {
    pieces.emplace_back(reply.substr(start, at - start));
    start = at + kErrorMarker.size();
  }
  if (start < reply.size()) pieces.emplace_back(reply.substr(start));
  return pieces;
}

}  // namespace verdomo
