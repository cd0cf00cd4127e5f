// verdomo-sim: runs the simulator until SIGINT or SIGTERM. SIGUSR1 switches the random faults
// of --random-faults off and on again, so that a run can let a client sign in undisturbed.
#include <pthread.h>

#include <csignal>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "sim/command_line.h"
#include "sim/simulator.h"

int main(int argc, char** argv) {
  using namespace verdomo::sim;
  const CommandLine line = parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  if (line.help) {
    std::fputs(helpText().c_str(), stdout);
    return 0;
  }
  if (!line.error.empty()) {
    std::fprintf(stderr, "verdomo-sim: %s (see --help)\n", line.error.c_str());
    return 2;
  }

  // The signals are waited for here; every thread the simulator starts inherits the mask.
  sigset_t stopSignals;
  sigemptyset(&stopSignals);
  sigaddset(&stopSignals, SIGINT);
  sigaddset(&stopSignals, SIGTERM);
  sigaddset(&stopSignals, SIGUSR1);
  pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

  try {
    Simulator simulator(line.options);
    std::printf("verdomo-sim listening on 127.0.0.1 (port offset %d)\n%s", simulator.portOffset(),
                simulator.portSummary().c_str());
    std::printf("demo account: demo01 / demo2026; Ctrl-C stops\n");
    std::fflush(stdout);
    bool randomFaultsOn = line.options.randomFaults.has_value();
    for (int received = 0; sigwait(&stopSignals, &received) == 0 && received == SIGUSR1;) {
      if (!line.options.randomFaults) continue;
      randomFaultsOn = !randomFaultsOn;
      simulator.setRandomFaults(randomFaultsOn ? line.options.randomFaults : std::nullopt);
      std::printf("random faults %s\n", randomFaultsOn ? "on" : "off");
      std::fflush(stdout);
    }
    simulator.stop();
  } catch (const std::exception& error) {
    std::fprintf(stderr, "verdomo-sim: %s\n", error.what());
    return 1;
  }
  return 0;
}
