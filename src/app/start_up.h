#pragma once
// What runs when the login window has been created, before it is shown: the leftover cleanup,
// the version check, the store set-up with the pre-fill, the service addresses and the
// support-QQ request, in that order.

namespace verdomo {

class LoginWindow;
struct AppContext;

enum class StartUpOutcome {
  ShowLogin,      // the login window is ready to be shown
  UpdateStarted,  // the executable was moved aside and the update window ran
};

StartUpOutcome startUp(LoginWindow& window, AppContext& context);

}  // namespace verdomo
