#include "update/package_download.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "support/case_name.h"
#include "support/gbk_test_text.h"
#include "support/scripted_http_server.h"
#include "support/temporary_folder.h"
#include "support/test_servers.h"
#include "unit/update/package_files.h"

namespace verdomo::test {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

class PackageDownload : public testing::Test {
 protected:
  fs::path target() const { return folder.path() / "package.zip"; }
  std::string url() const { return server.baseUrl() + "/ostrel.zip"; }

  TemporaryFolder folder;
  ScriptedReply reply;
  ScriptedHttpServer server{[this](const ScriptedRequest&) { return reply; }};
  DownloadProgress progress;
};

TEST_F(PackageDownload, SavesTheBodyAndReportsItsSize) {
  std::string body;
  for (int i = 0; body.size() < 300000; ++i)
    body += std::to_string(i) + ",";
  reply = ScriptedReply::text(body);
  writeFile(target(), "left from an earlier attempt, and longer than nothing");
  const DownloadResult result = downloadPackage(url(), target(), progress);
  EXPECT_TRUE(result.complete);
  EXPECT_EQ(gbkToUtf8(result.failure), "");
  EXPECT_EQ(readFile(target()), body);
  EXPECT_EQ(progress.total.load(), static_cast<std::int64_t>(body.size()));
  EXPECT_EQ(progress.received.load(), static_cast<std::int64_t>(body.size()));
  ASSERT_EQ(server.requests().size(), 1u);
  EXPECT_EQ(server.requests()[0].target, "/ostrel.zip");
}

TEST_F(PackageDownload, FollowsARedirect) {
  ScriptedHttpServer mirror([](const ScriptedRequest&) { return ScriptedReply::text("package"); });
  reply = ScriptedReply::redirect(mirror.baseUrl() + "/files/ostrel.zip");
  EXPECT_TRUE(downloadPackage(url(), target(), progress).complete);
  EXPECT_EQ(readFile(target()), "package");
}

struct FailureCase {
  const char* name;
  ScriptedReply reply;
  const char* failure;
  DownloadLimits limits = {};
};

void PrintTo(const FailureCase& row, std::ostream* out) {
  *out << row.name;
}

class FailedDownload : public PackageDownload, public testing::WithParamInterface<FailureCase> {};

TEST_P(FailedDownload, LeavesNoFileAndSaysWhy) {
  reply = GetParam().reply;
  writeFile(target(), "left from an earlier attempt");
  const DownloadResult result = downloadPackage(url(), target(), progress, GetParam().limits);
  EXPECT_FALSE(result.complete);
  EXPECT_EQ(gbkToUtf8(result.failure), GetParam().failure);
  EXPECT_FALSE(fs::exists(target()));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FailedDownload,
    testing::Values(
        FailureCase{"Missing", {.status = 404, .body = "文件不存在"}, "更新服务器回复HTTP 404"},
        FailureCase{"ServerError", {.status = 500}, "更新服务器回复HTTP 500"},
        FailureCase{"EmptyBody", ScriptedReply::text(""), "更新包为空"},
        FailureCase{
            "CutOff",
            {.raw = "HTTP/1.1 200 OK\r\nContent-Length: 5000\r\n\r\nPK\x03\x04 only a part"},
            "下载中断"},
        FailureCase{"Reset", {.reset = true}, "下载中断"},
        FailureCase{"Stalled", {.silent = true}, "下载停滞", {.stallSeconds = 1}},
        FailureCase{"TooLarge",
                    ScriptedReply::text(std::string(5000, 'z')),
                    "更新包过大",
                    {.maximumBytes = 4096}}),
    caseName<FailureCase>);

TEST_F(PackageDownload, AnUnreachableHostFails) {
  // Nothing listens on port 1 of the loopback: the connection is refused at once.
  const DownloadResult result =
      downloadPackage("http://127.0.0.1:1/ostrel.zip", target(), progress);
  EXPECT_FALSE(result.complete);
  EXPECT_EQ(gbkToUtf8(result.failure), "无法连接更新服务器");
  EXPECT_FALSE(fs::exists(target()));
}

TEST_F(PackageDownload, AHostThatNeverAcceptsFailsAfterTheConnectTimeout) {
  UnansweredListener host;
  const auto start = Clock::now();
  const DownloadResult result =
      downloadPackage("http://127.0.0.1:" + std::to_string(host.port()) + "/ostrel.zip", target(),
                      progress, {.connectTimeoutMs = 500});
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  EXPECT_FALSE(result.complete);
  EXPECT_EQ(gbkToUtf8(result.failure), "无法连接更新服务器");
  EXPECT_GE(seconds, 0.4);
  EXPECT_LT(seconds, 5.0);
}

TEST_F(PackageDownload, CancellingEndsAWaitingDownloadSoon) {
  reply = {.silent = true};
  std::thread canceller([this] {
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    progress.cancelled.store(true);
  });
  const auto start = Clock::now();
  const DownloadResult result = downloadPackage(url(), target(), progress, {.stallSeconds = 30});
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  canceller.join();
  EXPECT_FALSE(result.complete);
  EXPECT_EQ(gbkToUtf8(result.failure), "下载已取消");
  EXPECT_LT(seconds, 5.0);
}

}  // namespace
}  // namespace verdomo::test
