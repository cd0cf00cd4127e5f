#include "sim/http/faults.h"

#include <charconv>
#include <climits>
#include <cstdint>
#include <iterator>

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

std::optional<double> fraction(std::string_view text) {
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
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

std::optional<RandomFaults> parseRandomFaults(std::string_view text) {
  const std::size_t colon = text.find(':');
  const std::optional<double> share = fraction(text.substr(0, colon));
  if (!share || !(*share > 0 && *share <= 1)) return std::nullopt;
  RandomFaults random{.share = *share};
  if (colon == std::string_view::npos) return random;
  const std::optional<std::size_t> seed = number(text.substr(colon + 1));
  if (!seed || *seed > UINT32_MAX) return std::nullopt;
  random.seed = static_cast<std::uint32_t>(*seed);
  return random;
}

const char* faultKindName(FaultKind kind) {
  switch (kind) {
    case FaultKind::Delay:
      return "delay";
    case FaultKind::Close:
      return "close";
    case FaultKind::Reset:
      return "reset";
    case FaultKind::Garbage:
      return "garbage";
    case FaultKind::Truncate:
      return "truncate";
    case FaultKind::Oversize:
      return "oversize";
  }
  return "";
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

void FaultPlan::setRandom(std::optional<RandomFaults> random) {
  std::lock_guard lock(mutex_);
  random_ = random;
  if (random_) draw_.seed(random_->seed);
}

std::optional<FaultRule> FaultPlan::choose(std::string_view endpoint) const {
  if (std::optional<FaultRule> rule = find(endpoint)) return rule;
  std::lock_guard lock(mutex_);
  if (!random_) return std::nullopt;
  // Every reply takes one draw, so a seed replays the same sequence over the same requests.
  std::uniform_real_distribution<double> chance(0.0, 1.0);
  if (chance(draw_) >= random_->share) return std::nullopt;
  static constexpr FaultKind kinds[] = {FaultKind::Delay, FaultKind::Reset, FaultKind::Garbage,
                                        FaultKind::Truncate, FaultKind::Oversize};
  std::uniform_int_distribution<std::size_t> anyKind(0, std::size(kinds) - 1);
  FaultRule rule{.endpoint = std::string(endpoint), .kind = kinds[anyKind(draw_)]};
  if (rule.kind == FaultKind::Delay) {
    std::uniform_int_distribution<long> shortDelay(kShortDelayMin.count(), kShortDelayMax.count());
    rule.delay = std::uniform_int_distribution<int>(0, 1)(draw_) == 0
                     ? std::chrono::milliseconds(shortDelay(draw_))
                     : kLongDelay;
  } else if (rule.kind == FaultKind::Garbage) {
    rule.bytes = std::uniform_int_distribution<std::size_t>(1, kMaxRandomGarbage)(draw_);
  }
  return rule;
}

}  // namespace verdomo::sim
