#pragma once
// The verdomo-sim command line.

#include <string>
#include <vector>

#include "sim/simulator.h"

namespace verdomo::sim {

struct CommandLine {
  SimulatorOptions options;
  bool help = false;
  std::string error;  // empty when the arguments were understood
};

CommandLine parseCommandLine(const std::vector<std::string>& arguments);

std::string helpText();

}  // namespace verdomo::sim
