#pragma once
// Where the client finds its servers and its store. Production values are compiled in; the
// command line may override them for demos and tests. Nothing is read from a file.

#include <optional>
#include <string>
#include <vector>

namespace verdomo {

struct AppConfig {
  std::string serverHost;
  int portOffset = 0;      // added to each of the platform's ten fixed ports
  std::string updateHost;  // host[:port] of the update information and package
  std::string segmentUrl;  // scheme, host and port of the phone-number segment service
  std::string storeDir;    // folder that holds the table store
};

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
