#pragma once
// Amounts of money, kept in cents and written as the platform writes them: "128.50".

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace verdomo::sim {

using Cents = std::int64_t;

std::string formatMoney(Cents amount);

// "10", "10.5", "10.50": at most two decimals, at most eight whole digits, nothing else.
std::optional<Cents> parseMoney(std::string_view text);

}  // namespace verdomo::sim
