#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "store/level_path.h"
#include "store/store_path.h"
#include "support/case_name.h"
#include "support/gbk_test_text.h"

namespace verdomo {
namespace {

using namespace verdomo::literals;

struct LevelCase {
  const char* name;
  friend void PrintTo(const LevelCase& c, std::ostream* out) { *out << c.name; }
  std::string identifier;  // GBK bytes
  std::vector<GbkText> folders;
};

class LevelFolders : public testing::TestWithParam<LevelCase> {};

TEST_P(LevelFolders, JoinTheDecimalBytesInPairs) {
  EXPECT_EQ(levelFolders(GetParam().identifier), GetParam().folders);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LevelFolders,
    testing::Values(LevelCase{"ChineseCharacters", "用户"_gbk, {"211195", "187167"}},
                    LevelCase{"OneAsciiByte", "A", {"65"}},
                    LevelCase{"OddByteCountEndsWithALoneByte", "abc", {"9798", "99"}},
                    LevelCase{"NoLeadingZeros", std::string("\x00\x07", 2), {"07"}},
                    // The mapping is not one-to-one: both pairs name the folder 656.
                    LevelCase{"Pair6And56", "\x06\x38", {"656"}},
                    LevelCase{"Pair65And6", "\x41\x06", {"656"}}),
    test::caseName<LevelCase>);

TEST(LevelPath, EndsEveryFolderWithTheSeparator) {
  const std::string separator(1, kPathSeparator);
  EXPECT_EQ(levelPath("用户"_gbk), "211195" + separator + "187167" + separator);
}

}  // namespace
}  // namespace verdomo
