#include "app/command_line.h"

#include <charconv>

#include "app/build_config.h"
#include "platform/store_base_folder.h"
#include "session/session_state.h"

namespace verdomo {
namespace {

constexpr const char* kUsage =
    "Usage: verdomo [options]\n"
    "\n"
    "The Verdomo desktop client. The options point it at other servers, for demos and tests.\n"
    "\n"
    "  --server-host HOST      platform server host (default " VERDOMO_SERVER_HOST
    ")\n"
    "  --port-offset N         added to each of the platform's ten ports (default 0)\n"
    "  --update-host HOST[:PORT]  update host (default " VERDOMO_UPDATE_HOST
    ")\n"
    "  --segment-url URL       scheme, host and port of the phone-number segment service\n"
    "                          (default " VERDOMO_SEGMENT_URL
    ")\n"
    "  --store-dir DIR         folder of the local store (default: the user's data folder)\n"
    "  --version               print the client's version and end\n"
    "  --help                  show this text\n";

std::optional<int> parsePortOffset(const std::string& text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 0 || value > 65000) {
    return std::nullopt;
  }
  return value;
}

CommandLine failure(const std::string& problem) {
  return {{}, "verdomo: " + problem + "\n\n" + kUsage, 2};
}

}  // namespace

AppConfig defaultAppConfig() {
  return {VERDOMO_SERVER_HOST, 0, VERDOMO_UPDATE_HOST, VERDOMO_SEGMENT_URL, storeBaseFolder()};
}

CommandLine parseCommandLine(const std::vector<std::string>& arguments, AppConfig defaults) {
  CommandLine result{std::move(defaults), std::nullopt, 0};
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& option = arguments[i];
    if (option == "--help" || option == "-h") return {result.config, kUsage, 0};
    if (option == "--version") return {result.config, std::string(kClientVersion) + "\n", 0};
    if (i + 1 >= arguments.size()) return failure("unknown option or missing value: " + option);
    const std::string& value = arguments[++i];
    if (option == "--server-host") {
      result.config.serverHost = value;
    } else if (option == "--port-offset") {
      const auto offset = parsePortOffset(value);
      if (!offset) return failure("--port-offset needs a number from 0 to 65000");
      result.config.portOffset = *offset;
    } else if (option == "--update-host") {
      result.config.updateHost = value;
    } else if (option == "--segment-url") {
      result.config.segmentUrl = value;
    } else if (option == "--store-dir") {
      result.config.storeDir = value;
    } else {
      return failure("unknown option: " + option);
    }
  }
  return result;
}

}  // namespace verdomo
