#pragma once
// The platform simulator: the platform's nine ports (ten service addresses, the poll port
// serving two), the update host and the HTTPS segment service, all on 127.0.0.1, with the demo
// data loaded. Constructing a Simulator starts it; destroying it stops it.

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "sim/http/faults.h"
#include "sim/number_plan.h"

namespace verdomo::sim {

struct SimulatorOptions {
  // Added to every fixed platform port. Nothing: a random free offset (tests).
  std::optional<int> portOffset = 20000;
  int updatePort = 20080;   // 0: an ephemeral port
  int segmentPort = 20443;  // 0: an ephemeral port
  std::string publishedVersion = "1.6";
  std::string packageFile;  // served as /ostrel.zip; empty: 404
  std::chrono::milliseconds smsDelay{10000};
  std::string requestLogFile;  // empty: no log
  std::uint32_t seed = 2026;
  std::vector<FaultRule> faults;
  std::optional<RandomFaults> randomFaults;  // nothing: no faults at random
  std::optional<std::int64_t> demoBalance;   // cents; nothing: the demo data's 128.50

  // Free ports everywhere, SMS at once: what a test embeds.
  static SimulatorOptions forTests();
};

class Simulator {
 public:
  // Binds every port and starts serving; throws std::runtime_error when a port cannot be bound
  // (with a fixed offset) or no free offset is found.
  explicit Simulator(SimulatorOptions options);
  ~Simulator();
  Simulator(const Simulator&) = delete;
  Simulator& operator=(const Simulator&) = delete;

  int portOffset() const;
  int platformPort(int fixedPort) const { return fixedPort + portOffset(); }
  int updatePort() const;
  int segmentPort() const;
  // The numbers of the card suppliers and their segments.
  const NumberPlan& numberPlan() const;
  // The segment service's self-signed certificate, PEM.
  std::string certificatePem() const;
  // "platform 127.0.0.1:20082 (account) ..." one line per port, for people.
  std::string portSummary() const;

  void setFaults(std::vector<FaultRule> faults);
  void setRandomFaults(std::optional<RandomFaults> random);
  void setSmsDelay(std::chrono::milliseconds delay);
  // Moves the platform's clock forward: SMS come due, withdrawal spacing passes, numbers expire.
  void advanceClock(std::chrono::seconds by);

  void stop();

 private:
  struct Running;
  std::unique_ptr<Running> running_;
};

}  // namespace verdomo::sim
