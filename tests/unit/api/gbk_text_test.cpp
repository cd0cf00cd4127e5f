#include <gtest/gtest.h>

#include "api/gbk_text.h"
#include "support/case_name.h"
#include "support/gbk_test_text.h"

namespace verdomo {
namespace {

using namespace verdomo::literals;
using test::toUtf8;
using Pieces = std::vector<std::string>;

struct SplitCase {
  const char* name;
  GbkText text;
  GbkText delimiter;
  Pieces pieces;  // UTF-8
};

class SplitFields : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitFields, FollowsThePieceRules) {
  EXPECT_EQ(toUtf8(splitFields(GetParam().text, GetParam().delimiter)), GetParam().pieces);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitFields,
    testing::Values(
        SplitCase{"EmptyTextHasNoPieces", "", "|", {}},
        SplitCase{"BarAloneIsOneEmptyPiece", "|", "|", {""}},
        SplitCase{"StatusOneWithTrailingBar", "1|", "|", {"1"}},
        SplitCase{"EmptyMiddlePieceCounts", "a||b", "|", {"a", "", "b"}},
        SplitCase{"TrailingDelimiterAddsNothing", "a|b|", "|", {"a", "b"}},
        SplitCase{"LeadingDelimiterGivesEmptyFirst", "|a", "|", {"", "a"}},
        SplitCase{"NoDelimiterIsOnePiece", "abc", "|", {"abc"}},
        SplitCase{"MultiByteDelimiter", "1#c-项目#c-0.5#c+"_gbk, "#c-", {"1", "项目", "0.5#c+"}},
        SplitCase{"RecordTextEndingInMarker", "a#c-b#c+c#c-d#c+", "#c+", {"a#c-b", "c#c-d"}},
        // 0x7C ("|") is a valid trail byte: the second byte of 貄 (D8 7C) is not a delimiter.
        SplitCase{"BarInsideDoubleByteCharacter", "貄|x"_gbk, "|", {"貄", "x"}},
        SplitCase{"ChineseDelimiter", "甲，乙，"_gbk, "，"_gbk, {"甲", "乙"}}),
    test::caseName<SplitCase>);

TEST(GbkSearch, NeverMatchesInsideADoubleByteCharacter) {
  // Two characters B0 D2 and D2 B0: the bytes D2 D2 stand across them but are no character.
  EXPECT_EQ(findText("\xB0\xD2\xD2\xB0", "\xD2\xD2"), kNotFound);
  // 貄 is D8 7C: its second byte is no "|".
  ASSERT_EQ("貄"_gbk, "\xD8\x7C");
  EXPECT_FALSE(containsText("貄"_gbk, "|"));
  EXPECT_EQ(findText("医乙"_gbk, "乙"_gbk), 2u);
  EXPECT_EQ(findLastText("a|b|c", "|"), 3u);
  // B0 41 is one character whose trail byte looks like "A"; the "a" (61) after it is found.
  EXPECT_EQ(findTextIgnoringCase("\xB0\x41\x61", "A"), 2u);
  // 81 61 and 81 41 are two different characters, though their trail bytes differ only in case.
  EXPECT_EQ(findTextIgnoringCase("\x81\x61", "\x81\x41"), kNotFound);
  EXPECT_EQ(textBetween("x\xD5\x46y]", "\xD5\x66", "]"), "");
}

TEST(GbkSearch, ReplaceAllRemovesEveryOccurrence) {
  EXPECT_EQ(replaceAllText("0|余额不足，剩余10|次"_gbk, "0|", ""), "余额不足，剩余1次"_gbk);
  EXPECT_EQ(replaceAllText("aaaa", "aa", "b"), "bb");
  EXPECT_EQ(replaceAllText("abc", "", "x"), "abc");
}

TEST(RemoveAllSpaces, DropsAsciiAndFullWidthSpacesOnly) {
  EXPECT_EQ(removeAllSpaces(" 微 信　登录 \t"_gbk), "微信登录\t"_gbk);
  EXPECT_EQ(removeAllSpaces("　　"_gbk), "");
  // A1 A1 spread over two characters (B0 A1 + A1 B0) is not a full-width space.
  EXPECT_EQ(removeAllSpaces("\xB0\xA1\xA1\xB0"), "\xB0\xA1\xA1\xB0");
}

struct CutCase {
  const char* name;
  GbkText result;
  std::string expected;  // UTF-8
};

class TextCutting : public testing::TestWithParam<CutCase> {};

TEST_P(TextCutting, CutsAtTheRightMarker) {
  EXPECT_EQ(gbkToUtf8(GetParam().result), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextCutting,
    testing::Values(
        CutCase{"AfterLastTakesTheLastMarker",
                textAfterLast("版本号:1.5\n版本号:1.6"_gbk, "版本号:"_gbk), "1.6"},
        CutCase{"AfterLastKeepsTrailingLineBreak",
                textAfterLast("版本号:1.6\r\n"_gbk, "版本号:"_gbk), "1.6\r\n"},
        CutCase{"AfterLastMissingIsEmpty", textAfterLast("版本号1.6"_gbk, "版本号:"_gbk), ""},
        CutCase{"AfterLastIsCaseSensitive", textAfterLast("aXb", "x"), ""},
        CutCase{"BeforeFirst", textBefore("a|b|c", "|"), "a"},
        CutCase{"BeforeMissingIsEmpty", textBefore("abc", "|"), ""},
        CutCase{"BeforeIsCaseSensitive", textBefore("aXb", "x"), ""},
        CutCase{"Between", textBetween("[1001]项目"_gbk, "[", "]"), "1001"},
        CutCase{"BetweenTakesFirstRightAfterLeft", textBetween("]x[12]3]", "[", "]"), "12"},
        CutCase{"BetweenIgnoresCase", textBetween("<B>bold</B>", "<b>", "</b>"), "bold"},
        CutCase{"BetweenRightMissing", textBetween("[1001 项目"_gbk, "[", "]"), ""},
        CutCase{"BetweenLeftMissing", textBetween("1001]", "[", "]"), ""},
        CutCase{"BetweenQuotePlaceholder",
                textBetween("province:\"广东\","_gbk, "province:#引号"_gbk, "#引号,"_gbk), "广东"}),
    test::caseName<CutCase>);

}  // namespace
}  // namespace verdomo
