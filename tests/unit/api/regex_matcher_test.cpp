#include "api/regex_matcher.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "support/case_name.h"
#include "support/gbk_test_text.h"

namespace verdomo {
namespace {

using test::caseName;
using test::toUtf8;

// Every match of the last execute, in UTF-8 for readable failures; also checks that the count
// execute returned is the number of matches there are.
std::vector<std::string> allMatches(const RegexMatcher& matcher, int count) {
  std::vector<GbkText> texts;
  for (int k = 1; k <= count; ++k)
    texts.push_back(matcher.matchText(k));
  EXPECT_EQ(matcher.matchText(count + 1), "") << "a match beyond the count";
  return toUtf8(texts);
}

// Patterns and texts in UTF-8; the matcher gets them as GBK.
struct MatchCase {
  std::string name;
  std::string pattern;
  std::string text;
  std::vector<std::string> matches;
};

void PrintTo(const MatchCase& c, std::ostream* out) {
  *out << c.name;
}

class RegexMatches : public testing::TestWithParam<MatchCase> {};

TEST_P(RegexMatches, FindsEveryMatchLeftToRight) {
  const MatchCase& c = GetParam();
  RegexMatcher matcher;
  const int count = matcher.execute(utf8ToGbk(c.pattern), utf8ToGbk(c.text));
  EXPECT_EQ(count, static_cast<int>(c.matches.size()));
  EXPECT_EQ(allMatches(matcher, count), c.matches);
}

INSTANTIATE_TEST_SUITE_P(
    CodePattern, RegexMatches,
    testing::Values(
        MatchCase{"CodeIsTheFirstRunOfDigits",
                  "[0-9][0-9]{0,}",
                  "【某服务】您的验证码是352156，5分钟内有效。",
                  {"352156", "5"}},
        MatchCase{"EarlierDigitsComeFirst",
                  "[0-9][0-9]{0,}",
                  "您于3月5日申请的验证码为884213",
                  {"3", "5", "884213"}},
        MatchCase{"TextWithoutDigits", "[0-9][0-9]{0,}", "您的验证码已发送", {}},
        MatchCase{"FullWidthDigitsAreNotDigits", "[0-9][0-9]{0,}", "验证码１２３４，56", {"56"}},
        MatchCase{"BackslashDIsAsciiToo", "\\d+", "１２3", {"3"}}),
    caseName<MatchCase>);

INSTANTIATE_TEST_SUITE_P(
    Dialect, RegexMatches,
    testing::Values(
        MatchCase{"IgnoresCase", "abc", "ABC abc aBc", {"ABC", "abc", "aBc"}},
        MatchCase{"IgnoresCaseInClasses", "[a-c]+", "ABCd", {"ABC"}},
        MatchCase{"CaretAtEveryLineStart", "^\\d+", "12 a\n34 b\n 56", {"12", "34"}},
        MatchCase{"DollarAtEveryLineEnd", "\\d+$", "a1\nb2\nc3 ", {"1", "2"}},
        MatchCase{"DotStopsAtLineFeedButNotCarriageReturn", ".+", "ab\r\ncd", {"ab\r", "cd"}},
        MatchCase{"LazyQuantifierTakesTheShortest", "<.+?>", "<a><b>", {"<a>", "<b>"}},
        MatchCase{"GreedyQuantifierTakesTheLongest", "<.+>", "<a><b>", {"<a><b>"}},
        MatchCase{"MatchesDoNotOverlap", "aa", "aaaaa", {"aa", "aa"}},
        MatchCase{"EmptyMatchMovesOneCharacterOn", "x*", "axb", {"", "x", "", ""}},
        MatchCase{"EmptyMatchIsNotRetriedAtTheSamePlace", "a??", "aa", {"", "", ""}},
        MatchCase{"EmptyMatchStepsOverADoubleByteCharacter", "x*", "中x", {"", "x", ""}},
        MatchCase{"EmptyText", "a*", "", {""}},
        MatchCase{"UnicodeEscape", "\\u4E2D.", "中文", {"中文"}}),
    caseName<MatchCase>);

INSTANTIATE_TEST_SUITE_P(
    DoubleByteCharacters, RegexMatches,
    testing::Values(MatchCase{"DotTakesACharacterWhole", ".", "广东x", {"广", "东", "x"}},
                    MatchCase{"ChinesePattern", "验证码\\d+", "您的验证码1234", {"验证码1234"}},
                    // The trail bytes of these characters are "f", "r", "g", "_", "@" and "L".
                    MatchCase{"AsciiNeverMatchesATrailByte", "[a-z_@]+", "說時間開這長", {}},
                    MatchCase{"WordClassSkipsChineseCharacters", "\\w+", "說時abc開", {"abc"}}),
    caseName<MatchCase>);

struct SubMatchCase {
  std::string name;
  std::string pattern;
  std::string text;
  int k;
  int j;
  std::string expected;
};

void PrintTo(const SubMatchCase& c, std::ostream* out) {
  *out << c.name;
}

class RegexSubMatches : public testing::TestWithParam<SubMatchCase> {};

TEST_P(RegexSubMatches, ReadsTheGroupOfTheMatch) {
  const SubMatchCase& c = GetParam();
  RegexMatcher matcher;
  matcher.execute(utf8ToGbk(c.pattern), utf8ToGbk(c.text));
  EXPECT_EQ(gbkToUtf8(matcher.subMatchText(c.k, c.j)), c.expected);
}

const std::string kZoneReply =
    "__GetZoneResult_ = {\n    mts:'1380013',\n    province:'广东',\n    catName:'中国移动',\n"
    "    "
    "telString:'13800138000',\n\tareaVid:'30517',\n\tispVid:'3236139',\n\tcarrier:'广东移动'\n}";
const std::string kProvincePattern = "province:'(.*?)',";

INSTANTIATE_TEST_SUITE_P(
    Groups, RegexSubMatches,
    testing::Values(
        SubMatchCase{"ProvinceOfAZoneReply", kProvincePattern, kZoneReply, 1, 1, "广东"},
        SubMatchCase{"ProvinceIsTheShortest", kProvincePattern,
                     "province:'A', x:'b', province:'C',", 1, 1, "A"},
        SubMatchCase{"ProvinceOfTheSecondMatch", kProvincePattern,
                     "province:'A', x:'b', province:'C',", 2, 1, "C"},
        SubMatchCase{"ProvinceInCapitals", kProvincePattern, "PROVINCE:'浙江',", 1, 1, "浙江"},
        SubMatchCase{"ProvinceWithCarriageReturn", kProvincePattern, "province:'广\r东',", 1, 1,
                     "广\r东"},
        SubMatchCase{"ProvinceNeverSpansALine", kProvincePattern, "province:'广\n东',", 1, 1, ""},
        SubMatchCase{"SecondGroupOfChineseText", "(.)(.)", "广东", 1, 2, "东"},
        SubMatchCase{"GroupOfTheTakenAlternative", "(a)|(b)", "ab", 2, 2, "b"},
        SubMatchCase{"GroupOfTheOtherAlternativeIsEmpty", "(a)|(b)", "ab", 2, 1, ""},
        SubMatchCase{"GroupBeyondThePatternIsEmpty", "(a)", "a", 1, 2, ""},
        SubMatchCase{"MatchBeyondTheResultIsEmpty", "(a)", "a", 2, 1, ""},
        SubMatchCase{"GroupZeroIsEmpty", "(a)b", "ab", 1, 0, ""},
        SubMatchCase{"MatchZeroIsEmpty", "(a)", "a", 0, 1, ""}),
    caseName<SubMatchCase>);

TEST(RegexMatcher, ProvinceMatchCoversTheWholeField) {
  RegexMatcher matcher;
  ASSERT_EQ(matcher.execute(utf8ToGbk(kProvincePattern), utf8ToGbk(kZoneReply)), 1);
  EXPECT_EQ(gbkToUtf8(matcher.matchText(1)), "province:'广东',");
}

TEST(RegexMatcher, EmptyProvinceIsAMatchWithAnEmptyGroup) {
  RegexMatcher matcher;
  ASSERT_EQ(matcher.execute(utf8ToGbk(kProvincePattern), "province:'',"), 1);
  EXPECT_EQ(matcher.matchText(1), "province:'',");
  EXPECT_EQ(matcher.subMatchText(1, 1), "");
}

// Match texts are the caller's own bytes, even where the text is not valid GBK.
TEST(RegexMatcher, ReturnsTheOriginalBytesOfMalformedText) {
  RegexMatcher matcher;
  const GbkText strayByte{'1', '\xFF', '2'};
  ASSERT_EQ(matcher.execute("1.2", strayByte), 1);
  EXPECT_EQ(matcher.matchText(1), strayByte);

  // A lead byte before a byte that cannot trail it stands alone, as does one cut off at the end.
  const GbkText loneLeads{'\x81', '5', '\x81'};
  ASSERT_EQ(matcher.execute(".", loneLeads), 3);
  EXPECT_EQ(matcher.matchText(1), "\x81");
  EXPECT_EQ(matcher.matchText(2), "5");
  EXPECT_EQ(matcher.matchText(3), "\x81");
  ASSERT_EQ(matcher.execute("(\\d)", loneLeads), 1);
  EXPECT_EQ(matcher.subMatchText(1, 1), "5");
}

TEST(RegexMatcher, EveryDoubleBytePairIsOneCharacter) {
  std::vector<GbkText> pairs;
  GbkText text;
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      if (trail == 0x7F) continue;
      pairs.push_back({static_cast<char>(lead), static_cast<char>(trail)});
      text += pairs.back();
    }
  }
  RegexMatcher matcher;
  ASSERT_EQ(matcher.execute(".", text), static_cast<int>(pairs.size()));
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    ASSERT_EQ(matcher.matchText(static_cast<int>(i) + 1), pairs[i]) << "pair " << i;
  }
  // Every byte an ASCII character shares with a trail byte, letters in both cases.
  EXPECT_EQ(matcher.execute("[@-~]", text), 0);
}

TEST(RegexMatcher, ANewExecuteReplacesTheResult) {
  RegexMatcher matcher;
  ASSERT_EQ(matcher.execute("(\\d+)", "a12 b34"), 2);
  EXPECT_EQ(matcher.execute("(\\d+)", "no digits"), 0);
  EXPECT_EQ(matcher.matchText(1), "");
  EXPECT_EQ(matcher.subMatchText(1, 1), "");
}

// The compiled pattern is kept between calls; it must follow the pattern each call names.
TEST(RegexMatcher, AlternatingPatternsEachGiveTheirOwnMatches) {
  RegexMatcher matcher;
  for (int round = 0; round < 3; ++round) {
    ASSERT_EQ(matcher.execute("[0-9]+", "ab12"), 1);
    EXPECT_EQ(matcher.matchText(1), "12");
    ASSERT_EQ(matcher.execute("[a-z]+", "ab12"), 1);
    EXPECT_EQ(matcher.matchText(1), "ab");
    ASSERT_EQ(matcher.execute("([a-z])([0-9])", "ab12"), 1);
    EXPECT_EQ(matcher.subMatchText(1, 2), "1");
  }
}

struct InvalidPatternCase {
  std::string name;
  std::string pattern;
};

void PrintTo(const InvalidPatternCase& c, std::ostream* out) {
  *out << c.name;
}

class RegexInvalidPattern : public testing::TestWithParam<InvalidPatternCase> {};

TEST_P(RegexInvalidPattern, FindsNothingAndLeavesNoOldResult) {
  RegexMatcher matcher;
  ASSERT_EQ(matcher.execute("(\\d+)", "a1"), 1);
  for (int attempt = 0; attempt < 2; ++attempt) {
    EXPECT_EQ(matcher.execute(GetParam().pattern, "a1 ( [a *a \\C )"), 0);
    EXPECT_EQ(matcher.matchText(1), "");
    EXPECT_EQ(matcher.subMatchText(1, 1), "");
  }
  ASSERT_EQ(matcher.execute("(\\d+)", "a1"), 1);
  EXPECT_EQ(matcher.subMatchText(1, 1), "1");
}

INSTANTIATE_TEST_SUITE_P(Patterns, RegexInvalidPattern,
                         testing::Values(InvalidPatternCase{"OpenGroup", "("},
                                         InvalidPatternCase{"CloseGroup", ")"},
                                         InvalidPatternCase{"OpenClass", "[a"},
                                         InvalidPatternCase{"NothingToRepeat", "*a"},
                                         InvalidPatternCase{"RangeOutOfOrder", "a{2,1}"},
                                         // would cut a character in two
                                         InvalidPatternCase{"SingleByteEscape", "\\C"}),
                         caseName<InvalidPatternCase>);

}  // namespace
}  // namespace verdomo
