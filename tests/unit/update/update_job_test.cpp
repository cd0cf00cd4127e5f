#include "update/update_job.h"

#include <gtest/gtest.h>

#include "platform/native_path.h"
#include "support/gbk_test_text.h"
#include "support/scripted_http_server.h"
#include "support/temporary_folder.h"
#include "unit/update/package_files.h"

namespace verdomo::test {
namespace {

namespace fs = std::filesystem;

constexpr const char* kClientExecutable = "verdomo-client";

// The state start-up leaves: the old executable moved aside in the run directory.
class UpdateJob : public testing::Test {
 protected:
  UpdateJob() {
    fs::create_directories(run());
    writeFile(run() / "verdomo-client.gx", "old client");
    plan = updatePlan("127.0.0.1:" + std::to_string(server.port()), run(), kClientExecutable);
  }

  fs::path run() const { return folder.path() / "run"; }
  fs::path package() const { return run() / "用户端.zip"; }

  TemporaryFolder folder;
  std::string packageBytes;
  ScriptedHttpServer server{[this](const ScriptedRequest& request) {
    if (request.target == "/ostrel.zip" && !packageBytes.empty()) {
      return ScriptedReply::text(packageBytes);
    }
    return ScriptedReply{.status = 404};
  }};
  UpdatePlan plan;
  UpdateState state;
};

TEST_F(UpdateJob, DownloadsIntoTheRunDirectoryUnpacksThereAndDeletesThePackage) {
  ASSERT_NO_FATAL_FAILURE(makeZip(folder.path() / "made.zip",
                                  {{kClientExecutable, "new client"}, {"readme.txt", "notes"}},
                                  Compression::Deflated));
  packageBytes = readFile(folder.path() / "made.zip");
  int downloadedCalls = 0;
  // The current directory of the test is elsewhere; only the run directory counts.
  const UpdateResult result = performUpdate(plan, state, [&] {
    ++downloadedCalls;
    EXPECT_EQ(readFile(package()), packageBytes);
    EXPECT_TRUE(state.downloadFinished.load());
  });
  EXPECT_TRUE(result.installed) << gbkToUtf8(result.failure);
  EXPECT_EQ(downloadedCalls, 1);
  EXPECT_EQ(readFile(run() / kClientExecutable), "new client");
  EXPECT_EQ(state.download.total.load(), static_cast<std::int64_t>(packageBytes.size()));
  EXPECT_EQ(treeOf(run()),
            (std::set<std::string>{"readme.txt", "verdomo-client", "verdomo-client.gx"}));
  EXPECT_EQ(server.requests().at(0).target, "/ostrel.zip");
}

// A package lying there already is left from before and is never unpacked, even when it holds
// a client: what is unpacked is always what this update downloaded.
TEST_F(UpdateJob, NeverUnpacksAPackageThatWasThereBefore) {
  ASSERT_NO_FATAL_FAILURE(makeZip(package(), {{kClientExecutable, "stale client"}}));
  bool downloaded = false;
  const UpdateResult result = performUpdate(plan, state, [&] { downloaded = true; });
  EXPECT_FALSE(result.installed);
  EXPECT_EQ(gbkToUtf8(result.failure), "更新服务器回复HTTP 404");
  EXPECT_FALSE(downloaded);
  EXPECT_EQ(treeOf(run()), std::set<std::string>{"verdomo-client.gx"});
}

TEST_F(UpdateJob, AFailedUnpackingDeletesThePackageToo) {
  ASSERT_NO_FATAL_FAILURE(makeZip(folder.path() / "made.zip", {{"readme.txt", "notes"}}));
  packageBytes = readFile(folder.path() / "made.zip");
  const UpdateResult result = performUpdate(plan, state, {});
  EXPECT_FALSE(result.installed);
  EXPECT_EQ(gbkToUtf8(result.failure), "更新包中没有用户端程序");
  EXPECT_EQ(treeOf(run()), std::set<std::string>{"verdomo-client.gx"});
}

TEST_F(UpdateJob, RestoringPutsTheOldClientBackAndRemovesThePackage) {
  writeFile(package(), "half a package");
  EXPECT_TRUE(restoreOldClient(plan));
  EXPECT_EQ(treeOf(run()), std::set<std::string>{"verdomo-client"});
  EXPECT_EQ(readFile(run() / kClientExecutable), "old client");
  EXPECT_EQ(gbkToUtf8(updateFailureMessage("更新包已损坏"_gbk)),
            "更新失败：更新包已损坏，请稍后重试或前往官网重新下载");
}

TEST(UpdatePlans, PutThePackageOnTheUpdateHostAndInTheRunDirectory) {
  const UpdatePlan plan = updatePlan("update.example:8080", "/opt/verdomo", "客户端"_gbk);
  EXPECT_EQ(plan.packageUrl, "http://update.example:8080/ostrel.zip");
  EXPECT_EQ(plan.packagePath(), fs::path("/opt/verdomo/用户端.zip"));
  EXPECT_EQ(plan.executable(), fs::path("/opt/verdomo/客户端"));
}

}  // namespace
}  // namespace verdomo::test
