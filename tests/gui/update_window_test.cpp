#include "update/update_window.h"

#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <algorithm>

#include "gui/login_fixture.h"
#include "support/case_name.h"
#include "unit/update/package_files.h"

namespace verdomo::test {
namespace {

namespace fs = std::filesystem;

const QString kDownloading = QStringLiteral("更新包正在下载中...请稍后...");

// Where start-up leaves the update: the old executable moved aside in the run directory, the
// update host on a scripted server.
class UpdateWindowRun : public testing::Test {
 protected:
  UpdateWindowRun() {
    fs::create_directories(run());
    writeFile(run() / "verdomo-under-test.gx", "old client");
    session.updateHost = "127.0.0.1:" + std::to_string(server.port());
    session.executableName = kExecutable;
  }

  fs::path run() const { return folder.path() / "run"; }

  void servePackage(const std::vector<ZipEntry>& entries) {
    ASSERT_NO_FATAL_FAILURE(makeZip(folder.path() / "made.zip", entries, Compression::Deflated));
    packageReply = ScriptedReply::text(readFile(folder.path() / "made.zip"));
    fs::remove(folder.path() / "made.zip");
  }

  // Runs the window until it closes, noting every bar value and every status text it showed.
  void runWindow() {
    UpdateWindow window;
    auto* bar = window.findChild<QProgressBar*>("进度条1");
    auto* label = window.findChild<QLabel*>("透明标签3");
    ASSERT_NE(bar, nullptr);
    ASSERT_NE(label, nullptr);
    QObject::connect(bar, &QProgressBar::valueChanged,
                     [this](int value) { barValues.push_back(value); });
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
      if (texts.empty() || texts.back() != label->text()) texts.push_back(label->text());
    });
    watch.start(1);
    QTimer::singleShot(20000, &window, [&] {
      ADD_FAILURE() << "the update window did not end";
      window.reject();
    });
    window.runUpdate(context);
    texts.push_back(label->text());
  }

  TemporaryFolder folder;
  SessionState session;
  RecordingDialogs dialogs;
  SystemClock clock;
  int endings = 0;
  AppContext context{{},          {run(), kExecutable}, session, dialogs, clock,
                     Pacing{0.1}, [this] { ++endings; }};
  ScriptedReply packageReply{.status = 404};
  ScriptedHttpServer server{[this](const ScriptedRequest& request) {
    return request.target == "/ostrel.zip" ? packageReply : ScriptedReply{.status = 404};
  }};
  std::vector<int> barValues;
  std::vector<QString> texts;
};

TEST_F(UpdateWindowRun, InstallsTheNewClientStartsItAndEnds) {
  const std::string newClient = markerScript((run() / "started.txt").string());
  ASSERT_NO_FATAL_FAILURE(servePackage({{kExecutable, newClient}, {"readme.txt", "what is new"}}));
  // The host takes a moment to answer, so the window shows the download for some ticks even on a
  // busy machine.
  packageReply.delay = std::chrono::milliseconds(400);
  runWindow();
  EXPECT_EQ(endings, 1);
  EXPECT_TRUE(dialogs.shown().empty());
  // The new client is the one from the package, and it runs in our current directory.
  ASSERT_TRUE(waitUntil([&] { return fs::exists(run() / "started.txt"); }));
  ASSERT_TRUE(waitUntil([&] { return readFile(run() / "started.txt").ends_with("\n"); }));
  std::string startedIn = readFile(run() / "started.txt");
  startedIn.pop_back();
  EXPECT_TRUE(fs::equivalent(startedIn, fs::current_path()));
  EXPECT_EQ(readFile(run() / kExecutable), newClient);
  EXPECT_EQ(readFile(run() / "readme.txt"), "what is new");
  // The package is gone, and so is the old executable, which this system lets us delete.
  EXPECT_EQ(treeOf(run()),
            (std::set<std::string>{"readme.txt", "started.txt", "verdomo-under-test"}));

  ASSERT_FALSE(barValues.empty());
  EXPECT_EQ(barValues.back(), 10);
  EXPECT_EQ(*std::max_element(barValues.begin(), barValues.end()), 10);
  // Downloading first; once that is over the ticks leave the status text alone, also during
  // the pause before the restart.
  ASSERT_FALSE(texts.empty());
  const auto firstNotDownloading =
      std::find_if(texts.begin(), texts.end(),
                   [](const QString& text) { return !text.isEmpty() && text != kDownloading; });
  EXPECT_NE(std::find(texts.begin(), firstNotDownloading, kDownloading), firstNotDownloading);
  EXPECT_EQ(std::find(firstNotDownloading, texts.end(), kDownloading), texts.end());
  EXPECT_EQ(texts.back(), "更新完成");
}

// The package held something this system cannot run (here a Windows program): the update is in
// place, but the user must start the client again, and is told so.
TEST_F(UpdateWindowRun, TellsTheUserWhenTheNewClientCannotStart) {
  ASSERT_NO_FATAL_FAILURE(servePackage({{kExecutable, "MZ\x90 a program for another system"}}));
  runWindow();
  EXPECT_EQ(dialogs.texts(), std::vector<QString>{"已更新完毕从新打开本程序"});
  EXPECT_EQ(dialogs.shown()[0].icon, MessageIcon::Question);
  EXPECT_EQ(endings, 1);
  EXPECT_EQ(texts.back(), "更新完成");
  EXPECT_EQ(treeOf(run()), std::set<std::string>{"verdomo-under-test"});
}

struct FailureCase {
  const char* name;
  std::vector<ZipEntry> package;  // none: the update host answers 404
  bool cutInHalf;
  bool unreachable;
  const char* reason;
};

void PrintTo(const FailureCase& row, std::ostream* out) {
  *out << row.name;
}

class FailedUpdate : public UpdateWindowRun, public testing::WithParamInterface<FailureCase> {};

TEST_P(FailedUpdate, PutsTheOldClientBackAndTellsTheUser) {
  if (!GetParam().package.empty()) {
    ASSERT_NO_FATAL_FAILURE(servePackage(GetParam().package));
  }
  if (GetParam().cutInHalf) packageReply.body.resize(packageReply.body.size() / 2);
  if (GetParam().unreachable) session.updateHost = "127.0.0.1:1";
  runWindow();
  ASSERT_EQ(dialogs.texts().size(), 1u);
  EXPECT_EQ(dialogs.texts()[0],
            QString("更新失败：") + GetParam().reason + QString("，请稍后重试或前往官网重新下载"));
  EXPECT_EQ(endings, 0);
  EXPECT_EQ(texts.back(), "更新失败");
  // Nothing of the package anywhere, and the old client under its own name.
  EXPECT_EQ(treeOf(folder.path()), (std::set<std::string>{"run", "run/verdomo-under-test"}));
  EXPECT_EQ(readFile(run() / kExecutable), "old client");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FailedUpdate,
    testing::Values(FailureCase{"HostUnreachable", {}, false, true, "无法连接更新服务器"},
                    FailureCase{"PackageMissing", {}, false, false, "更新服务器回复HTTP 404"},
                    FailureCase{"TruncatedPackage",
                                {{kExecutable, std::string(20000, 'n')}, {"readme.txt", "notes"}},
                                true,
                                false,
                                "更新包已损坏"},
                    FailureCase{"WithoutTheExecutable",
                                {{"readme.txt", "notes"}},
                                false,
                                false,
                                "更新包中没有用户端程序"},
                    FailureCase{"ClimbingOut",
                                {{"../evil.txt", "evil"}, {kExecutable, "new client"}},
                                false,
                                false,
                                "更新包含有不安全的路径 ../evil.txt"}),
    caseName<FailureCase>);

// A file that cannot be put in place (a folder of its name is in the way) leaves every file of
// the earlier install as it was, and the old client comes back under its name.
TEST_F(UpdateWindowRun, APackageThatCannotAllBeInstalledLeavesTheOldInstall) {
  writeFile(run() / "readme.txt", "old notes");
  fs::create_directories(run() / "lib");
  ASSERT_NO_FATAL_FAILURE(
      servePackage({{"readme.txt", "new notes"}, {"lib", "a file"}, {kExecutable, "new client"}}));
  runWindow();
  EXPECT_EQ(dialogs.texts(),
            std::vector<QString>{"更新失败：无法写入文件，请稍后重试或前往官网重新下载"});
  EXPECT_EQ(endings, 0);
  EXPECT_EQ(treeOf(run()), (std::set<std::string>{"lib", "readme.txt", "verdomo-under-test"}));
  EXPECT_EQ(readFile(run() / "readme.txt"), "old notes");
  EXPECT_EQ(readFile(run() / kExecutable), "old client");
}

// The whole way from start-up: another version is published, but the host has no package.
using UpdateFromStartUp = LoginFixture;

TEST_F(UpdateFromStartUp, AMissingPackageLeavesTheOldClientInPlace) {
  updateInfo = "版本号:1.7"_gbk;
  EXPECT_EQ(start(), StartUpOutcome::UpdateStarted);
  EXPECT_EQ(readFile(runDirectory() / kExecutable), "client");
  EXPECT_FALSE(fs::exists(runDirectory() / "verdomo-under-test.gx"));
  ASSERT_EQ(dialogs.texts().size(), 1u);
  EXPECT_EQ(dialogs.texts()[0], "更新失败：更新服务器回复HTTP 404，请稍后重试或前往官网重新下载");
  EXPECT_EQ(targetsStartingWith("/ostrel.zip").size(), 1u);
  EXPECT_TRUE(targetsStartingWith("/sign/").empty());
}

}  // namespace
}  // namespace verdomo::test
