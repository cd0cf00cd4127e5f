#pragma once
// What the windows and handlers of the client are given: built once in main() and passed in, so
// a test can build its own with a scripted server, a recording Dialogs and fast pacing.

#include "api/clock.h"
#include "api/pause.h"
#include "app/app_config.h"
#include "app/session_state.h"

namespace verdomo {

class Dialogs;

struct AppContext {
  AppConfig config;
  SessionState& session;
  Dialogs& dialogs;
  const Clock& clock;
  Pacing pacing;
};

}  // namespace verdomo
