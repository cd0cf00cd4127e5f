#include "update/package_extraction.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "platform/native_path.h"
#include "support/case_name.h"
#include "support/gbk_test_text.h"
#include "support/temporary_folder.h"
#include "unit/update/package_files.h"

namespace verdomo::test {
namespace {

namespace fs = std::filesystem;

constexpr const char* kExecutable = "verdomo-client";

class PackageExtraction : public testing::Test {
 protected:
  PackageExtraction() { fs::create_directories(run()); }

  fs::path run() const { return folder.path() / "run"; }
  fs::path package() const { return run() / "package.zip"; }

  ExtractionResult extract() { return extractPackage(package(), run(), kExecutable); }

  TemporaryFolder folder;
};

TEST_F(PackageExtraction, InstallsEveryFileAndFolderAndMarksTheExecutable) {
  writeFile(run() / "readme.txt", "old notes");
  ASSERT_NO_FATAL_FAILURE(makeZip(package(),
                                  {{"data/", ""},
                                   {"data/skin/look.bin", std::string(50000, 'k')},
                                   {"readme.txt", "new notes"},
                                   {kExecutable, markerScript("started")}},
                                  Compression::Deflated));
  const ExtractionResult result = extract();
  EXPECT_TRUE(result.installed);
  EXPECT_EQ(gbkToUtf8(result.failure), "");
  EXPECT_EQ(readFile(run() / "readme.txt"), "new notes");
  EXPECT_EQ(readFile(run() / "data/skin/look.bin"), std::string(50000, 'k'));
  EXPECT_EQ(readFile(run() / kExecutable), markerScript("started"));
  EXPECT_NE(fs::status(run() / kExecutable).permissions() & fs::perms::owner_exec, fs::perms::none);
  EXPECT_EQ(fs::status(run() / "readme.txt").permissions() & fs::perms::owner_exec,
            fs::perms::none);
  // Nothing of the staging is left; the package is the caller's to delete.
  EXPECT_EQ(treeOf(run()), (std::set<std::string>{"data", "data/skin", "data/skin/look.bin",
                                                  "package.zip", "readme.txt", kExecutable}));
}

TEST_F(PackageExtraction, TakesWindowsNamesInTheirCodePageAndFlaggedNamesAsUtf8) {
  ASSERT_NO_FATAL_FAILURE(
      makeZip(package(), {{"用户端", "new client", true}, {"说明.txt", "notes", false}}));
  const ExtractionResult result = extractPackage(package(), run(), nativePath(utf8ToGbk("用户端")));
  EXPECT_TRUE(result.installed) << gbkToUtf8(result.failure);
  EXPECT_EQ(readFile(run() / "用户端"), "new client");
  EXPECT_EQ(readFile(run() / "说明.txt"), "notes");
}

struct UnsafeCase {
  const char* name;
  std::string entry;  // an absolute entry may point into the test's own folder
};

void PrintTo(const UnsafeCase& row, std::ostream* out) {
  *out << row.name;
}

class UnsafeEntry : public PackageExtraction, public testing::WithParamInterface<UnsafeCase> {};

TEST_P(UnsafeEntry, RefusesThePackageBeforeWritingAnything) {
  fs::create_directories(folder.path() / "outside");
  const std::string entry = GetParam().entry == "ABSOLUTE"
                                ? (folder.path() / "outside/evil.txt").string()
                                : GetParam().entry;
  ASSERT_NO_FATAL_FAILURE(makeZip(
      package(),
      {{"readme.txt", "harmless, and first"}, {entry, "evil"}, {kExecutable, "new client"}}));
  const std::set<std::string> before = treeOf(folder.path());
  const ExtractionResult result = extract();
  EXPECT_FALSE(result.installed);
  EXPECT_EQ(gbkToUtf8(result.failure), "更新包含有不安全的路径 " + entry);
  EXPECT_EQ(treeOf(folder.path()), before);
}

INSTANTIATE_TEST_SUITE_P(Cases, UnsafeEntry,
                         testing::Values(UnsafeCase{"ParentFolder", "../evil.txt"},
                                         UnsafeCase{"ClimbsOutOfASubfolder", "sub/../../evil.txt"},
                                         UnsafeCase{"ParentAsTheWholeName", "sub/.."},
                                         UnsafeCase{"Absolute", "ABSOLUTE"},
                                         UnsafeCase{"DriveLetter", "C:/evil.txt"},
                                         UnsafeCase{"Backslash", "..\\evil.txt"}),
                         caseName<UnsafeCase>);

TEST(EntryNames, AllowDotsThatClimbNowhere) {
  for (const char* name : {"a..b", "..hidden", "...", "a/./b", "dir/file..", "目录/文件"}) {
    EXPECT_TRUE(entryNameIsSafe(name)) << name;
  }
  for (const char* name : {"", "..", "/x", "a/../b", "a\\b", "x:y", "a\tb", "line\nbreak"}) {
    EXPECT_FALSE(entryNameIsSafe(name)) << name;
  }
  // A zero byte would cut the name short where the file system reads it: "dUT/\0" is the
  // folder "dUT" taken for a file.
  EXPECT_FALSE(entryNameIsSafe(std::string_view("dUT/\0", 5)));
  EXPECT_FALSE(entryNameIsSafe(std::string_view("verdomo\0x", 9)));
}

TEST_F(PackageExtraction, ALinkInTheFolderDoesNotCarryAnEntryOutside) {
  fs::create_directories(folder.path() / "outside");
  fs::create_directory_symlink(folder.path() / "outside", run() / "link");
  ASSERT_NO_FATAL_FAILURE(
      makeZip(package(), {{"link/evil.txt", "evil"}, {kExecutable, "new client"}}));
  const ExtractionResult result = extract();
  EXPECT_FALSE(result.installed);
  EXPECT_TRUE(fs::is_empty(folder.path() / "outside"));
  EXPECT_FALSE(fs::exists(run() / kExecutable));
}

TEST_F(PackageExtraction, APackageWithoutTheExecutableInstallsNothing) {
  // A folder of that name is no executable either.
  ASSERT_NO_FATAL_FAILURE(makeZip(package(), {{"readme.txt", "notes"},
                                              {std::string(kExecutable) + "/", ""},
                                              {"verdomo-client.exe", "for another system"}}));
  const ExtractionResult result = extract();
  EXPECT_FALSE(result.installed);
  EXPECT_EQ(gbkToUtf8(result.failure), "更新包中没有用户端程序");
  EXPECT_EQ(treeOf(run()), std::set<std::string>{"package.zip"});
}

struct DamageCase {
  const char* name;
  std::string (*damage)(std::string package);
};

void PrintTo(const DamageCase& row, std::ostream* out) {
  *out << row.name;
}

class DamagedPackage : public PackageExtraction, public testing::WithParamInterface<DamageCase> {};

// The readme comes first and is intact in every case: it must not be installed either.
TEST_P(DamagedPackage, IsReportedAndInstallsNothing) {
  ASSERT_NO_FATAL_FAILURE(
      makeZip(package(), {{"readme.txt", "intact notes"},
                          {kExecutable, "NEW-CLIENT-BODY " + std::string(4000, 'x')}}));
  writeFile(package(), GetParam().damage(readFile(package())));
  const ExtractionResult result = extract();
  EXPECT_FALSE(result.installed);
  EXPECT_EQ(gbkToUtf8(result.failure), "更新包已损坏");
  EXPECT_EQ(treeOf(run()), std::set<std::string>{"package.zip"});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedPackage,
    testing::Values(
        DamageCase{"CutInHalf",
                   [](std::string bytes) { return bytes.substr(0, bytes.size() / 2); }},
        DamageCase{"CutBeforeTheLastBytes",
                   [](std::string bytes) { return bytes.substr(0, bytes.size() - 10); }},
        // The executable is stored, so its bytes stand in the file as they are: one changed
        // byte fails its CRC.
        DamageCase{"ChangedByteInTheExecutable",
                   [](std::string bytes) {
                     bytes[bytes.find("NEW-CLIENT-BODY")] = 'M';
                     return bytes;
                   }},
        DamageCase{"NotAZipAtAll", [](std::string) { return std::string("<html>404</html>"); }},
        DamageCase{"Empty", [](std::string) { return std::string(); }}),
    caseName<DamageCase>);

// Every file below `root` with its bytes, and every folder; links not followed. The package
// is left out: it is the caller's.
std::map<std::string, std::string> contentsOf(const fs::path& root) {
  std::map<std::string, std::string> contents;
  for (const auto& item : fs::recursive_directory_iterator(root)) {
    const std::string name = fs::relative(item.path(), root).generic_string();
    if (name != "package.zip") {
      contents[name] = item.is_directory() ? "<folder>" : readFile(item.path());
    }
  }
  return contents;
}

struct BlockedCase {
  const char* name;
  std::vector<ZipEntry> entries;  // "lib" cannot be written: a folder of that name is in the way
};

void PrintTo(const BlockedCase& row, std::ostream* out) {
  *out << row.name;
}

class BlockedInstall : public PackageExtraction, public testing::WithParamInterface<BlockedCase> {};

// A file that cannot be put in place part-way leaves the folder exactly as it was: the files
// already replaced are old again, and the folders the package brought are gone.
TEST_P(BlockedInstall, PutsEveryOldFileBack) {
  writeFile(run() / "readme.txt", "old notes");
  writeFile(run() / "skin.bin", "old skin");
  fs::create_directories(run() / "lib");
  writeFile(run() / "lib/plugin.so", "old plugin");
  ASSERT_NO_FATAL_FAILURE(makeZip(package(), GetParam().entries));
  const std::map<std::string, std::string> before = contentsOf(run());
  const ExtractionResult result = extract();
  EXPECT_FALSE(result.installed);
  EXPECT_EQ(gbkToUtf8(result.failure), "无法写入文件");
  EXPECT_EQ(contentsOf(run()), before);
}

INSTANTIATE_TEST_SUITE_P(Cases, BlockedInstall,
                         testing::Values(BlockedCase{"SecondEntry",
                                                     {{"readme.txt", "new notes"},
                                                      {"lib", "a file where a folder stands"},
                                                      {"skin.bin", "new skin"},
                                                      {kExecutable, "new client"}}},
                                         BlockedCase{"AfterNewFolders",
                                                     {{"readme.txt", "new notes"},
                                                      {"data/", ""},
                                                      {"data/deep/look.bin", "new look"},
                                                      {"skin.bin", "new skin"},
                                                      {"lib", "a file where a folder stands"},
                                                      {kExecutable, "new client"}}}),
                         caseName<BlockedCase>);

TEST_F(PackageExtraction, AnAbsentPackageIsReported) {
  const ExtractionResult result = extract();
  EXPECT_FALSE(result.installed);
  EXPECT_EQ(gbkToUtf8(result.failure), "更新包已损坏");
}

}  // namespace
}  // namespace verdomo::test
