#include "app/start_up.h"

#include <QLineEdit>
#include <QTimer>
#include <filesystem>

#include "api/gbk_text.h"
#include "app/login_window.h"
#include "app/remembered_sign_in.h"
#include "app/sign_in.h"
#include "platform/file_operations.h"
#include "platform/native_path.h"
#include "session/app_context.h"
#include "ui/dialogs.h"
#include "ui/event_loop_pause.h"
#include "ui/gbk_qt.h"
#include "ui/requester.h"
#include "update/update_check.h"
#include "update/update_window.h"

namespace verdomo {
namespace {

using namespace verdomo::literals;

constexpr int kSweepPeriodMs = 100;
constexpr int kCleanupPasses = 10;

// The published version differs: move our executable aside, next to itself, where the leftover
// sweep of the next start finds it, and hand over to the update, which puts it back when the
// update fails. An executable that cannot be moved (an installed client, in a folder the user
// cannot write) cannot be updated here: the user is told, and start-up goes on without it.
// Returns whether the update ran.
bool takeUpdatePath(LoginWindow& window, AppContext& context, Pause& pause) {
  // The sweep is for the executable an earlier run left; here it would delete ours while the
  // update may still need to put it back (where a running program's file can be deleted).
  window.sweepTimer()->stop();
  const std::filesystem::path& folder = context.program.runDirectory;
  const std::string_view executable = context.session.executableName;
  if (!moveFile(folder / nativePath(executable), movedExecutable(folder, executable))) {
    context.dialogs.inform(&window, "自动更新失败，请前往官网重新下载"_gbk);
    window.sweepTimer()->start(kSweepPeriodMs);
    return false;
  }
  deleteFile(folder / "ostrel.zip");
  pause.pause(1000);
  UpdateWindow update(&window);
  update.runUpdate(context);
  return true;
}

void prefillLoginBoxes(LoginWindow& window, const LoginPrefill& prefill) {
  if (prefill.action == LoginPrefill::Action::Leave) return;
  window.userNameBox()->setText(fromGbk(prefill.userName));
  window.passwordBox()->setText(fromGbk(prefill.password));
}

// Signs in with whatever the boxes hold only to learn the support QQ; this signs nobody in.
void fetchSupportQq(LoginWindow& window, SessionState& session, UiRequester& requester) {
  const GbkText reply = requester.getText(signInUrl(
      session.addresses, toGbk(window.userNameBox()->text()), toGbk(window.passwordBox()->text())));
  window.setSupportQqFailure(requester.lastFailure());
  const std::vector<GbkText> fields = splitFields(reply, "|");
  if (fields.size() >= kSignInFields) session.supportQq = fields[9];
}

}  // namespace

StartUpOutcome startUp(LoginWindow& window, AppContext& context) {
  SessionState& session = context.session;
  UiRequester requester(context.pacing);
  EventLoopPause pause(context.pacing);
  window.sweepTimer()->start(kSweepPeriodMs);
  session.clientVersion = GbkText(kClientVersion);
  session.executableName = utf8ToGbk(context.program.executableName.string());
  for (int pass = 0; pass < kCleanupPasses; ++pass) {
    deleteUpdateLeftovers(context.program.runDirectory, session.executableName);
  }
  session.updateHost = utf8ToGbk(context.config.updateHost);
  const GbkText updateInfo = requester.getText(updateInfoUrl(session.updateHost));
  if (publishedVersionDiffers(updateInfo, session.clientVersion) &&
      takeUpdatePath(window, context, pause)) {
    return StartUpOutcome::UpdateStarted;
  }
  session.storeDirectory = context.config.storeDir;
  TableStore store(pause);
  setUpCredentialStore(store, session.storeDirectory);
  session.serverHost = utf8ToGbk(context.config.serverHost);
  session.addresses = buildServiceAddresses(session.serverHost, context.config.portOffset);
  prefillLoginBoxes(window, readRememberedSignIn(store));
  fetchSupportQq(window, session, requester);
  return StartUpOutcome::ShowLogin;
}

}  // namespace verdomo
