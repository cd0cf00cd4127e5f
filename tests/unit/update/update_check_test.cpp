#include <gtest/gtest.h>

#include <fstream>

#include "platform/native_path.h"
#include "support/case_name.h"
#include "support/gbk_test_text.h"
#include "support/temporary_folder.h"
#include "update/update_check.h"

namespace verdomo {
namespace {

using namespace verdomo::literals;

struct VersionCase {
  const char* name;
  GbkText updateInfo;
  bool differs;
};

class PublishedVersion : public testing::TestWithParam<VersionCase> {};

TEST_P(PublishedVersion, IsComparedByteForByte) {
  EXPECT_EQ(publishedVersionDiffers(GetParam().updateInfo, "1.6"), GetParam().differs);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PublishedVersion,
    testing::Values(VersionCase{"Same", "最新版本号:1.6"_gbk, false},
                    VersionCase{"Newer", "版本号:1.7"_gbk, true},
                    VersionCase{"TrailingLineBreakDiffers", "版本号:1.6\r\n"_gbk, true},
                    VersionCase{"TrailingSpaceDiffers", "版本号:1.6 "_gbk, true},
                    VersionCase{"LastMarkerCounts", "版本号:1.5\n版本号:1.6"_gbk, false},
                    VersionCase{"MarkerWithoutColonDiffers", "版本号1.6"_gbk, true},
                    VersionCase{"EmptyReplyIsNoUpdate", "", false},
                    VersionCase{"GarbageIsNoUpdate", "<html>502</html>", false}),
    test::caseName<VersionCase>);

TEST(UpdateLeftovers, AreDeletedFromTheRunDirectory) {
  test::TemporaryFolder folder;
  const auto touch = [&](const std::filesystem::path& name) {
    std::ofstream(folder.path() / name) << "x";
  };
  touch("ostrel.zip");
  touch(nativePath("Ostrel客户端.exe.gx"_gbk));
  touch("verdomo.gx");
  touch("verdomo");
  touch("other.gx");
  deleteUpdateLeftovers(folder.path(), "verdomo");
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "ostrel.zip"));
  EXPECT_FALSE(std::filesystem::exists(folder.path() / nativePath("Ostrel客户端.exe.gx"_gbk)));
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "verdomo.gx"));
  EXPECT_TRUE(std::filesystem::exists(folder.path() / "verdomo"));
  EXPECT_TRUE(std::filesystem::exists(folder.path() / "other.gx"));
  EXPECT_EQ(updateInfoUrl("127.0.0.1:20080"), "http://127.0.0.1:20080/yh.txt");
}

}  // namespace
}  // namespace verdomo
