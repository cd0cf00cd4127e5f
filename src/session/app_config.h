#pragma once
// Where the client finds its servers and its store. Production values are compiled in; the
// command line may override them for demos and tests. Nothing is read from a file.

#include <filesystem>
#include <string>

namespace verdomo {

struct AppConfig {
  std::string serverHost;
  int portOffset = 0;      // added to each of the platform's ten fixed ports
  std::string updateHost;  // host[:port] of the update information and package
  std::string segmentUrl;  // scheme, host and port of the phone-number segment service
  std::filesystem::path storeDir;  // folder that holds the table store, native bytes
};

}  // namespace verdomo
