#pragma once
// Faults the server injects into its replies, chosen by endpoint name or for all endpoints.

#include <chrono>
#include <cstddef>
#include <mutex>
#include <optional>
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

// The rules in force; the server asks it for every reply. A rule for the endpoint itself wins
// over a rule for "all".
class FaultPlan {
 public:
  void set(std::vector<FaultRule> rules);
  std::optional<FaultRule> find(std::string_view endpoint) const;

 private:
  mutable std::mutex mutex_;
  std::vector<FaultRule> rules_;
};

}  // namespace verdomo::sim
