#include "sim/platform/money.h"

#include <cstdio>
#include <cstdlib>

namespace verdomo::sim {

std::string formatMoney(Cents amount) {
  const char* sign = amount < 0 ? "-" : "";
  const Cents magnitude = std::llabs(amount);
  char text[32];
  std::snprintf(text, sizeof text, "%s%lld.%02lld", sign, static_cast<long long>(magnitude / 100),
                static_cast<long long>(magnitude % 100));
  return text;
}

std::optional<Cents> parseMoney(std::string_view text) {
  const std::size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  const std::string_view fraction =
      point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
  if (whole.empty() || whole.size() > 8 || fraction.size() > 2) return std::nullopt;
  if (point != std::string_view::npos && fraction.empty()) return std::nullopt;
  Cents value = 0;
  for (char c : whole) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  Cents cents = 0;
  for (std::size_t i = 0; i < 2; ++i) {
    const char c = i < fraction.size() ? fraction[i] : '0';
    if (c < '0' || c > '9') return std::nullopt;
    cents = cents * 10 + (c - '0');
  }
  return value * 100 + cents;
}

}  // namespace verdomo::sim
