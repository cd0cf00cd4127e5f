#pragma once
// Faults the server injects into its replies, chosen by endpoint name or for all endpoints.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace verdomo::sim {

enum class FaultKind {
  Delay,     // answer normally after a wait (by default past the client's 15 s time-outs)
  Close,     // close the connection without a reply
  Reset,     // drop the connection with a TCP reset
  Garbage,   // bytes that are no HTTP reply, then close
  Truncate,  // announce the whole body, send half of it, then close
  Oversize,  // a body far larger than any reply (by default 40 MiB), then close
};

struct FaultRule {
  std::string endpoint;  // "all", or an endpoint name such as "yh_qm", "yh.txt", "segment"
  FaultKind kind = FaultKind::Close;
  std::chrono::milliseconds delay{20000};  // Delay
  std::size_t bytes = 0;                   // Garbage and Oversize; 0 takes the default
};

// "ENDPOINT:KIND[:ARG]", ARG being milliseconds for delay and bytes for garbage and oversize.
// Slashes around the endpoint are dropped ("/yh_qm/" names "yh_qm"). Nothing when malformed.
std::optional<FaultRule> parseFaultRule(std::string_view text);

// Faults at random: each reply is spoilt with probability `share`, by a kind drawn evenly from
// delay, reset, garbage, truncate and oversize. Half the delays stay well inside a client's
// time-outs (kShortDelayMin to kShortDelayMax), half go well past them (kLongDelay); garbage
// is 1 to kMaxRandomGarbage bytes; oversize takes the default size. The same seed draws the same
// sequence of faults.
struct RandomFaults {
  double share = 0;  // 0 < share <= 1
  std::uint32_t seed = 1;
};
inline constexpr std::chrono::milliseconds kShortDelayMin{300};
inline constexpr std::chrono::milliseconds kShortDelayMax{3500};
inline constexpr std::chrono::milliseconds kLongDelay{20000};
inline constexpr std::size_t kMaxRandomGarbage = 4096;

// "SHARE[:SEED]", SHARE a fraction above 0 and at most 1 (default seed 1). Nothing when
// malformed.
std::optional<RandomFaults> parseRandomFaults(std::string_view text);

// The rules in force; the server asks it for every reply. A rule for the endpoint itself wins
// over a rule for "all"; a reply no rule names may still draw a random fault.
class FaultPlan {
 public:
  void set(std::vector<FaultRule> rules);
  void setRandom(std::optional<RandomFaults> random);
  std::optional<FaultRule> find(std::string_view endpoint) const;
  // The rule for this reply, else a random draw when random faults are on.
  std::optional<FaultRule> choose(std::string_view endpoint) const;

 private:
  mutable std::mutex mutex_;
  std::vector<FaultRule> rules_;
  std::optional<RandomFaults> random_;
  mutable std::mt19937 draw_;
};

// "delay", "reset", ... as written in a rule.
const char* faultKindName(FaultKind kind);

}  // namespace verdomo::sim
