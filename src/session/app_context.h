#pragma once
// What the windows and handlers of the client are given: built once in main() and passed in, so
// a test can build its own with a scripted server, a recording Dialogs and fast pacing.

#include <filesystem>
#include <functional>

#include "api/clock.h"
#include "api/pause.h"
#include "session/app_config.h"
#include "session/session_state.h"

namespace verdomo {

class Dialogs;

// Where the running program lies: the platform's answer in production, a test folder in tests.
struct ProgramLocation {
  std::filesystem::path runDirectory;
  std::filesystem::path executableName;
};

struct AppContext {
  AppConfig config;
  ProgramLocation program;
  SessionState& session;
  Dialogs& dialogs;
  const Clock& clock;
  Pacing pacing;
  // Ends the client at once, workers included; tests put a recorder here.
  std::function<void()> endClient;
};

}  // namespace verdomo
