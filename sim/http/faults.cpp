#include "sim/http/faults.h"

#include <charconv>

namespace verdomo::sim {
namespace {

std::optional<FaultKind> kindNamed(std::string_view name) {
  if (name == "delay") return FaultKind::Delay;
  if (name == "close") return FaultKind::Close;
  if (name == "reset") return FaultKind::Reset;
  if (name == "garbage") return FaultKind::Garbage;
  if (name == "truncate") return FaultKind::Truncate;
  if (name == "oversize") return FaultKind::Oversize;
  return std::nullopt;
}

std::optional<std::size_t> number(std::string_view text) {
  std::size_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

}  // namespace

std::optional<FaultRule> parseFaultRule(std::string_view text) {
  const std::size_t colon = text.find(':');
  if (colon == std::string_view::npos) return std::nullopt;
  std::string_view endpoint = text.substr(0, colon);
  while (!endpoint.empty() && endpoint.front() == '/')
    endpoint.remove_prefix(1);
  while (!endpoint.empty() && endpoint.back() == '/')
    endpoint.remove_suffix(1);
  if (endpoint.empty()) return std::nullopt;

  std::string_view rest = text.substr(colon + 1);
  const std::size_t secondColon = rest.find(':');
  const std::optional<FaultKind> kind = kindNamed(rest.substr(0, secondColon));
  if (!kind) return std::nullopt;
  FaultRule rule{.endpoint = std::string(endpoint), .kind = *kind};
  if (secondColon == std::string_view::npos) return rule;

  const std::optional<std::size_t> argument = number(rest.substr(secondColon + 1));
  if (!argument) return std::nullopt;
  switch (*kind) {
    case FaultKind::Delay:
      rule.delay = std::chrono::milliseconds(*argument);
      return rule;
    case FaultKind::Garbage:
    case FaultKind::Oversize:
      rule.bytes = *argument;
      return rule;
    default:
      return std::nullopt;  // close, reset and truncate take no argument
  }
}

void FaultPlan::set(std::vector<FaultRule> rules) {
  std::lock_guard lock(mutex_);
  rules_ = std::move(rules);
}

std::optional<FaultRule> FaultPlan::find(std::string_view endpoint) const {
  std::lock_guard lock(mutex_);
  std::optional<FaultRule> forAll;
  for (const FaultRule& rule : rules_) {
    if (rule.endpoint == endpoint) return rule;
    if (rule.endpoint == "all" && !forAll) forAll = rule;
  }
  return forAll;
}

}  // namespace verdomo::sim
