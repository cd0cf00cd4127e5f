// The Verdomo desktop client.
#include <QApplication>
#include <cstdio>
#include <memory>

#include "app/command_line.h"
#include "app/login_window.h"
#include "app/main_window.h"
#include "app/start_up.h"
#include "platform/process.h"
#include "session/app_context.h"
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
  AppContext context{commandLine.config,
                     {runDirectory(), executableFileName()},
                     session,
                     dialogs,
                     clock,
                     Pacing{},
                     [] { endOwnProcess(); }};

  // The main window destroys the login window when it is first shown.
  auto* login = new LoginWindow(context);
  if (startUp(*login, context) != StartUpOutcome::ShowLogin) return 0;
  std::unique_ptr<MainWindow> mainWindow;
  QObject::connect(login, &LoginWindow::signedIn, [&] {
    mainWindow = std::make_unique<MainWindow>(context, login);
    mainWindow->show();
  });
  login->show();
  return application.exec();
}
