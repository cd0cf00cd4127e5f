#include <unistd.h>

#include <QTimer>

#include "app/remembered_sign_in.h"
#include "gui/login_fixture.h"
#include "support/case_name.h"
#include "update/update_window.h"

namespace verdomo::test {
namespace {

using StartUp = LoginFixture;

TEST_F(StartUp, BuildsTheAddressesAndAsksForTheSupportQqWithEmptyBoxes) {
  signInReply = acceptedSignIn();
  EXPECT_EQ(start(), StartUpOutcome::ShowLogin);
  EXPECT_EQ(session.clientVersion, "1.6");
  EXPECT_EQ(session.executableName, kExecutable);
  EXPECT_EQ(session.addresses.accountAddress, "127.0.0.1:" + std::to_string(server.port()));
  EXPECT_EQ(session.addresses.pollAddress,
            "127.0.0.1:" + std::to_string(server.port() - 82 + 38123));
  EXPECT_EQ(targetsStartingWith("/sign/"), std::vector<std::string>{"/sign/username=&password="});
  EXPECT_EQ(session.supportQq, "800900");
  EXPECT_EQ(session.userName, "");  // the support-QQ request signs nobody in
  EXPECT_TRUE(window->sweepTimer()->isActive());
  EXPECT_EQ(window->sweepTimer()->interval(), 100);
}

TEST_F(StartUp, KeepsTheSupportQqWhenTheReplyHasTenFields) {
  session.supportQq = "earlier";
  signInReply = "1|2|3|4|5|6|7|8|9|10|"_gbk;
  start();
  EXPECT_EQ(session.supportQq, "earlier");
}

TEST_F(StartUp, FillsTheBoxesWithTheRememberedSignInAndSendsThem) {
  {
    SleepingPause pause(Pacing{0.01});
    TableStore store(pause);
    setUpCredentialStore(store, context.config.storeDir);
    saveRememberedSignIn(store, context.config.storeDir, "demo01", "demo|2026");
  }
  start();
  EXPECT_EQ(window->userNameBox()->text(), "demo01");
  EXPECT_EQ(window->passwordBox()->text(), "demo");
  EXPECT_EQ(targetsStartingWith("/sign/"),
            std::vector<std::string>{"/sign/username=demo01&password=demo"});
}

TEST_F(StartUp, RemovesUpdateLeftoversAndSweepsTheMovedExecutable) {
  std::ofstream(runDirectory() / "ostrel.zip") << "old package";
  std::ofstream(runDirectory() / "verdomo-under-test.gx") << "old client";
  start();
  EXPECT_FALSE(std::filesystem::exists(runDirectory() / "ostrel.zip"));
  EXPECT_FALSE(std::filesystem::exists(runDirectory() / "verdomo-under-test.gx"));
  // Another moved executable that appears later goes at the next tick of the sweep.
  std::ofstream(runDirectory() / "verdomo-under-test.gx") << "still running elsewhere";
  EXPECT_TRUE(waitUntil(
      [&] { return !std::filesystem::exists(runDirectory() / "verdomo-under-test.gx"); }));
}

struct UpdateCase {
  const char* name;
  const char* updateInfo;
  bool update;
};

class VersionCheck : public LoginFixture, public testing::WithParamInterface<UpdateCase> {};

TEST_P(VersionCheck, TakesTheUpdatePathOnlyForAnotherVersion) {
  updateInfo = utf8ToGbk(GetParam().updateInfo);
  bool updateWindowShown = false;
  const auto watch = whenModalShows<UpdateWindow>([&](UpdateWindow& update) {
    updateWindowShown = true;
    EXPECT_EQ(update.windowTitle(), "用户端更新");
    update.reject();
  });
  const StartUpOutcome outcome = start();
  EXPECT_EQ(updateWindowShown, GetParam().update);
  EXPECT_EQ(outcome, GetParam().update ? StartUpOutcome::UpdateStarted : StartUpOutcome::ShowLogin);
  EXPECT_EQ(std::filesystem::exists(runDirectory() / "verdomo-under-test.gx"), GetParam().update);
  EXPECT_EQ(std::filesystem::exists(runDirectory() / kExecutable), !GetParam().update);
  // On the update path nothing else of start-up runs.
  EXPECT_EQ(targetsStartingWith("/sign/").empty(), GetParam().update);
  EXPECT_EQ(std::filesystem::exists(context.config.storeDir), !GetParam().update);
}

INSTANTIATE_TEST_SUITE_P(Cases, VersionCheck,
                         testing::Values(UpdateCase{"SameVersion", "版本号:1.6", false},
                                         UpdateCase{"TrailingLineBreak", "版本号:1.6\n", true},
                                         UpdateCase{"MarkerWithoutColon", "版本号 1.6", true},
                                         UpdateCase{"NoMarker", "1.7", false},
                                         UpdateCase{"NewerVersion", "版本号:1.7", true}),
                         caseName<UpdateCase>);

// Takes the right to write a folder away for the life of the object. A privileged user writes
// anyway, so for one the name the executable would be moved to is taken by a folder as well:
// either way the executable cannot be moved.
class UnwritableRunFolder {
 public:
  explicit UnwritableRunFolder(std::filesystem::path folder, const std::string& movedName)
      : folder_(std::move(folder)) {
    if (geteuid() == 0) std::filesystem::create_directories(folder_ / movedName / "taken");
    std::filesystem::permissions(
        folder_, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  }
  ~UnwritableRunFolder() {
    std::filesystem::permissions(folder_, std::filesystem::perms::owner_all);
  }

 private:
  std::filesystem::path folder_;
};

// An installed client lives in a folder its user cannot write, so it cannot update itself: the
// user is told, nothing is moved, and start-up goes on to the login window.
TEST_F(StartUp, AClientInAFolderTheUserCannotWriteSaysSoAndGoesOnToTheLogin) {
  updateInfo = "版本号:2.0"_gbk;
  signInReply = acceptedSignIn();
  const std::string moved = std::string(kExecutable) + ".gx";
  StartUpOutcome outcome;
  {
    UnwritableRunFolder unwritable(runDirectory(), moved);
    outcome = start();
    EXPECT_FALSE(std::filesystem::is_regular_file(runDirectory() / moved));
  }
  EXPECT_EQ(outcome, StartUpOutcome::ShowLogin);
  ASSERT_EQ(dialogs.texts().size(), 1u);
  EXPECT_EQ(dialogs.texts()[0], "自动更新失败，请前往官网重新下载");
  EXPECT_TRUE(std::filesystem::is_regular_file(runDirectory() / kExecutable));
  EXPECT_EQ(targetsStartingWith("/sign/"), std::vector<std::string>{"/sign/username=&password="});
  EXPECT_EQ(session.supportQq, "800900");
  EXPECT_TRUE(std::filesystem::exists(context.config.storeDir));
  EXPECT_TRUE(window->sweepTimer()->isActive());
}

TEST_F(StartUp, AnUnreachableUpdateHostIsNoUpdate) {
  context.config.updateHost = "127.0.0.1:1";
  EXPECT_EQ(start(), StartUpOutcome::ShowLogin);
  EXPECT_TRUE(dialogs.shown().empty());
}

}  // namespace
}  // namespace verdomo::test
