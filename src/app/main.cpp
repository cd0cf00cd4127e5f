// The Verdomo desktop client.
#include <QApplication>
#include <cstdio>

#include "app/app_config.h"
#include "app/app_context.h"
#include "app/login_window.h"
#include "app/start_up.h"
#include "platform/process.h"
#include "ui/dialogs.h"
#include "ui/look.h"

int main(int argc, char* argv[]) {
  using namespace verdomo;
  const CommandLine commandLine =
      parseCommandLine(std::vector<std::string>(argv + 1, argv + argc), defaultAppConfig());
  if (commandLine.exitText) {
    std::fputs(commandLine.exitText->c_str(), commandLine.exitCode == 0 ? stdout : stderr);
    return commandLine.exitCode;
  }

  QApplication application(argc, argv);
  applyLook(application);
  SessionState session;
  MessageBoxDialogs dialogs;
  SystemClock clock;
  AppContext context{commandLine.config, {runDirectory(), executableFileName()}, session, dialogs,
                     clock, Pacing{}};

  LoginWindow login(context);
  if (startUp(login, context) != StartUpOutcome::ShowLogin) return 0;
  // Until the main window exists, the flow ends when the notice of a sign-in is closed.
  QObject::connect(&login, &LoginWindow::signedIn, &application, &QApplication::quit);
  login.show();
  return application.exec();
}
