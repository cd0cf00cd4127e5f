#pragma once
// The compiled-in configuration and the command-line options that override it.

#include <optional>
#include <string>
#include <vector>

#include "session/app_config.h"

namespace verdomo {

// The compiled-in values, with the platform's store folder.
AppConfig defaultAppConfig();

struct CommandLine {
  AppConfig config;
  // Set when the program should print this and end (help, or a wrong option).
  std::optional<std::string> exitText;
  int exitCode = 0;
};

CommandLine parseCommandLine(const std::vector<std::string>& arguments, AppConfig defaults);

}  // namespace verdomo
