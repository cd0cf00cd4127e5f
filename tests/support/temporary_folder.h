#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>

namespace verdomo::test {

namespace fs = std::filesystem;

// A folder that exists for one test and is removed with everything in it afterwards.
class TemporaryFolder {
 public:
  TemporaryFolder() {
    std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
    std::replace(name.begin(), name.end(), '/', '_');  // parameterised test names hold "/"
    path_ = fs::temp_directory_path() /
            ("verdomo-test-" + name + "-" + std::to_string(std::random_device{}()));
    fs::create_directories(path_);
  }
  ~TemporaryFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;

  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

}  // namespace verdomo::test
