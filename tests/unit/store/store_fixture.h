#pragma once
// What the store tests share: a fresh folder per test under the system's temporary folder, a
// pause that counts instead of sleeping, and a store opened on the database 设置 with table t.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <random>
#include <set>
#include <string>

#include "api/pause.h"
#include "store/table_store.h"
#include "support/gbk_test_text.h"
#include "support/temporary_folder.h"

namespace verdomo::test {

namespace fs = std::filesystem;

// Counts the pauses and their milliseconds instead of sleeping. One thread only.
class CountingPause final : public Pause {
 public:
  void pause(int milliseconds) override {
    ++count;
    total += milliseconds;
  }
  int count = 0;
  int total = 0;
};

// The bytes of a file, read directly from the disk.
inline std::string fileBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void putFile(const fs::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary) << bytes;
}

// The names (UTF-8) of everything in a folder.
inline std::set<std::string> namesIn(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder))
    names.insert(entry.path().filename());
  return names;
}

// Bytes written as numbers, so that zero bytes need no care.
inline std::string bytesOf(std::initializer_list<unsigned> values) {
  std::string bytes;
  for (unsigned value : values)
    bytes += static_cast<char>(value);
  return bytes;
}

template <typename T>
using ReadMember = bool (TableStore::*)(std::string_view, std::string_view, std::string_view, T&,
                                        GbkText*) const;
template <typename T>
using WriteMember = bool (TableStore::*)(std::string_view, std::string_view, std::string_view, T,
                                         GbkText*);

class StoreTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(store.createDatabase(base, "设置"_gbk));
    ASSERT_TRUE(store.createTable("t"));
  }

  // A path below the table folder, given in UTF-8 as it is on disk here.
  fs::path inTable(const std::string& relative) const {
    return folder.path() / "设置" / "t" / relative;
  }

  TemporaryFolder folder;
  fs::path base = folder.path();
  CountingPause pause;
  TableStore store{pause};
  // Set before each failing call, so that "no error text" can be told from "an empty text".
  const GbkText untouched = "untouched";
  GbkText error = untouched;
};

}  // namespace verdomo::test
