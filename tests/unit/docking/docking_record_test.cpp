// Docking records as both docking lists show them, the trimming of a typed code and the code rule.
#include "docking/docking_record.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/case_name.h"
#include "support/gbk_test_text.h"

namespace verdomo::test {
namespace {

using Rows = std::vector<std::vector<std::string>>;

// code, name, price, kind, state, cards of every record, in UTF-8.
Rows shown(const std::string& utf8Reply) {
  Rows rows;
  for (const DockingRecord& r : dockingRecords(utf8ToGbk(utf8Reply))) {
    rows.push_back({gbkToUtf8(r.code), gbkToUtf8(r.name), gbkToUtf8(r.price), gbkToUtf8(r.kind),
                    gbkToUtf8(r.state), gbkToUtf8(r.cards)});
  }
  return rows;
}

TEST(DockingRecords, ShowNineFieldRecordsInReplyOrderWithTheirKind) {
  EXPECT_EQ(shown("正常#c-ABCDEFGHJKLMN#c-某服务(发送号码:10690)#c-0.20#c-x#c-35#c-a#c-b#c-c#c+"
                  "正常#c-CODE1234567890#c-某服务#c-0.30#c-x#c-12#c-a#c-b#c-c#c+"
                  "暂停#c-SHORT8FIELDS1#c-某站#c-0.10#c-x#c-1#c-a#c-b#c+"  // eight fields
                  "暂停#c-KX7Q2M9TPLW4A#c-星空 直播#c-0.45#c-x#c-0#c-a#c-b#c-c#c-d"),
            (Rows{{"ABCDEFGHJKLMN", "某服务", "0.20", "发短信", "正常", "35"},
                  {"CODE1234567890", "某服务", "0.30", "收短信", "正常", "12"},
                  {"KX7Q2M9TPLW4A", "星空 直播", "0.45", "收短信", "暂停", "0"}}));
}

TEST(DockingRecords, SendProjectsAreTheNamesHoldingAnOpeningBracketAndSend) {
  const auto named = [](const std::string& name) {
    const Rows rows = shown("正常#c-ABCDEFGHJKLMN#c-" + name + "#c-0.20#c-x#c-1#c-a#c-b#c-c");
    return rows.empty() ? std::vector<std::string>{} : std::vector{rows[0][1], rows[0][3]};
  };
  EXPECT_EQ(named("某站发送号码:1069"), (std::vector<std::string>{"某站发送号码:1069", "收短信"}));
  EXPECT_EQ(named("某站(发送方式"), (std::vector<std::string>{"某站", "发短信"}));
  EXPECT_EQ(named("甲(发送1)乙(发送2)"), (std::vector<std::string>{"甲", "发短信"}));
  EXPECT_EQ(named("(发送号码:1069)"), (std::vector<std::string>{"", "发短信"}));
}

TEST(DockingRecords, ARefusalOrNothingShowsNoRow) {
  EXPECT_TRUE(shown("0|登录失败").empty());
  EXPECT_TRUE(shown("").empty());
}

struct CodeCase {
  const char* name;
  const char* typed;
  const char* trimmed;
  bool accepted;
};

class TypedCodes : public testing::TestWithParam<CodeCase> {};

TEST_P(TypedCodes, AreTrimmedAtBothEndsThenCountedInGbkBytes) {
  const GbkText code = trimSpaces(utf8ToGbk(GetParam().typed));
  EXPECT_EQ(gbkToUtf8(code), GetParam().trimmed);
  EXPECT_EQ(dockingCodeAccepted(code), GetParam().accepted);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, TypedCodes,
    testing::Values(CodeCase{"ThirteenLetters", "ABCDEFGHJKLMN", "ABCDEFGHJKLMN", true},
                    CodeCase{"TwelveLetters", "ABCDEFGHJKLM", "ABCDEFGHJKLM", false},
                    CodeCase{"SpacesAroundAreTrimmed", "  ABCDEFGHJKLMN  ", "ABCDEFGHJKLMN", true},
                    CodeCase{"FullWidthSpacesToo", "　ABCDEFGHJKLM　 ", "ABCDEFGHJKLM", false},
                    CodeCase{"InnerSpacesStay", " ABCDEF GHJKLM ", "ABCDEF GHJKLM", true},
                    CodeCase{"SixChineseCharactersAreTwelveBytes", "对接码七个字", "对接码七个字",
                             false},
                    CodeCase{"SevenChineseCharacters", "专属对接码七个", "专属对接码七个", true},
                    CodeCase{"OnlySpaces", " 　 ", "", false},
                    // 0xA1 0xA1 inside two characters is no full-width space: "〃" is A1 A7.
                    CodeCase{"NoSpaceAcrossCharacters", "〃〃", "〃〃", false}),
    caseName<CodeCase>);

}  // namespace
}  // namespace verdomo::test
