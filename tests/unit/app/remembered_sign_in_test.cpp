#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>
#include <set>

#include "api/pause.h"
#include "app/remembered_sign_in.h"
#include "platform/native_path.h"
#include "support/case_name.h"
#include "support/gbk_test_text.h"
#include "support/temporary_folder.h"

namespace verdomo {
namespace {

using namespace verdomo::literals;

class RememberedSignIn : public testing::Test {
 protected:
  std::filesystem::path base() const { return folder.path(); }
  LoginPrefill saveThenRead(std::string_view value) {
    TableStore writer(pause);
    setUpCredentialStore(writer, base());
    writer.writeText("商户信息"_gbk, "用户"_gbk, "用户"_gbk, value);
    TableStore reader(pause);
    setUpCredentialStore(reader, base());
    return readRememberedSignIn(reader);
  }

  test::TemporaryFolder folder;
  SleepingPause pause{Pacing{0.01}};
};

TEST_F(RememberedSignIn, ComesBackAtTheNextStart) {
  TableStore first(pause);
  setUpCredentialStore(first, base());
  EXPECT_EQ(readRememberedSignIn(first).action, LoginPrefill::Action::Clear);
  saveRememberedSignIn(first, base(), "demo01", "demo2026");

  TableStore next(pause);
  setUpCredentialStore(next, base());
  const LoginPrefill prefill = readRememberedSignIn(next);
  EXPECT_EQ(prefill.action, LoginPrefill::Action::Fill);
  EXPECT_EQ(prefill.userName, "demo01");
  EXPECT_EQ(prefill.password, "demo2026");

  // The layout on disk: 设置/商户信息/211195/187167/用户.数据, readable by its owner only.
  const auto file = folder.path() / nativePath("设置/商户信息/211195/187167/用户.数据"_gbk);
  ASSERT_TRUE(std::filesystem::exists(file));
  struct stat status {};
  ASSERT_EQ(::stat(file.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 077, 0u);
  for (const char* table : {"归属地", "用户", "标识"}) {
    EXPECT_TRUE(
        std::filesystem::is_directory(folder.path() / nativePath("设置/"_gbk + utf8ToGbk(table))));
  }
}

TEST_F(RememberedSignIn, APasswordWithABarComesBackCut) {
  const LoginPrefill prefill = saveThenRead("demo01|pa|ss");
  EXPECT_EQ(prefill.action, LoginPrefill::Action::Fill);
  EXPECT_EQ(prefill.password, "pa");
}

TEST_F(RememberedSignIn, AValueWithoutABarLeavesTheBoxes) {
  EXPECT_EQ(saveThenRead("demo01").action, LoginPrefill::Action::Leave);
  EXPECT_EQ(saveThenRead("|").action, LoginPrefill::Action::Leave);  // one empty piece
}

// A home folder such as /home/łukasz: GBK has neither "ł" nor "ë", and the folder must reach the
// file system as it is, not as "?ukasz".
TEST_F(RememberedSignIn, IsKeptUnderAFolderThatGbkCannotSpell) {
  const std::filesystem::path home = folder.path() / "łukasz zoë";
  TableStore first(pause);
  setUpCredentialStore(first, home);
  saveRememberedSignIn(first, home, "demo01", "demo2026");

  TableStore next(pause);
  setUpCredentialStore(next, home);
  const LoginPrefill prefill = readRememberedSignIn(next);
  EXPECT_EQ(prefill.action, LoginPrefill::Action::Fill);
  EXPECT_EQ(prefill.password, "demo2026");
  EXPECT_TRUE(
      std::filesystem::exists(home / nativePath("设置/商户信息/211195/187167/用户.数据"_gbk)));
  std::set<std::string> created;
  for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
    created.insert(entry.path().filename().string());
  EXPECT_EQ(created, std::set<std::string>{"łukasz zoë"});
}

TEST_F(RememberedSignIn, AnUnwritableStoreIsIgnored) {
  const std::filesystem::path missing = folder.path() / "file-not-folder";
  std::ofstream(folder.path() / "file-not-folder") << "x";
  TableStore store(pause);
  setUpCredentialStore(store, missing);  // cannot create anything below a file
  saveRememberedSignIn(store, missing, "demo01", "demo2026");
  EXPECT_EQ(readRememberedSignIn(store).action, LoginPrefill::Action::Clear);
}

}  // namespace
}  // namespace verdomo
