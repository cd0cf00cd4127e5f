#include <gtest/gtest.h>

#include "api/percent_encode.h"
#include "api/random_letters.h"

namespace verdomo {
namespace {

using namespace verdomo::literals;

TEST(PercentEncode, EncodesEveryByteOfTheUtf8Form) {
  EXPECT_EQ(percentEncode(""), "");
  EXPECT_EQ(percentEncode("A"), "%41");
  EXPECT_EQ(percentEncode("\r\n"), "%0D%0A");
  EXPECT_EQ(percentEncode("项"_gbk), "%E9%A1%B9");
  EXPECT_EQ(percentEncode("a 项"_gbk), "%61%20%E9%A1%B9");
}

TEST(RandomLetters, GivesLettersOfTheAskedCase) {
  const std::string lower = randomLetters(200, LetterCase::Lower);
  const std::string upper = randomLetters(200, LetterCase::Upper);
  const std::string mixed = randomLetters(200, LetterCase::Mixed);
  ASSERT_EQ(lower.size(), 200u);
  EXPECT_TRUE(std::all_of(lower.begin(), lower.end(), [](char c) { return c >= 'a' && c <= 'z'; }));
  EXPECT_TRUE(std::all_of(upper.begin(), upper.end(), [](char c) { return c >= 'A' && c <= 'Z'; }));
  EXPECT_TRUE(std::any_of(mixed.begin(), mixed.end(), [](char c) { return c >= 'a' && c <= 'z'; }));
  EXPECT_TRUE(std::any_of(mixed.begin(), mixed.end(), [](char c) { return c >= 'A' && c <= 'Z'; }));
  EXPECT_NE(randomLetters(32, LetterCase::Lower), randomLetters(32, LetterCase::Lower));
  EXPECT_EQ(randomLetters(0, LetterCase::Mixed), "");
}

}  // namespace
}  // namespace verdomo
