// The find buttons of the public docking list: the rows they examine, the case rule and the cursor.
#include "docking/public_find.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "support/gbk_test_text.h"

namespace verdomo::test {
namespace {

std::vector<GbkText> names(std::initializer_list<const char*> utf8Names) {
  std::vector<GbkText> list;
  for (const char* name : utf8Names)
    list.push_back(utf8ToGbk(name));
  return list;
}

// The sequence of the 甲服务/乙服务/甲服务 list with the find text 甲, step by step.
TEST(PublicFind, WalksTheListAndKeepsTheMovedCursorOnAFailure) {
  const auto list = names({"甲服务", "乙服务", "甲服务"});
  const GbkText find = utf8ToGbk("甲");
  struct Step {
    FindStep step;
    std::optional<int> row;
    int cursor;
  };
  const Step steps[] = {{FindStep::First, 0, 0},
                        {FindStep::Next, 2, 2},
                        {FindStep::Next, std::nullopt, 3},  // 3 and beyond: nothing, no wrap
                        {FindStep::Previous, 2, 2},         // backward from 2
                        {FindStep::Previous, 0, 0},         // backward from 1
                        {FindStep::Previous, std::nullopt, -1}};
  int cursor = 0;
  for (std::size_t i = 0; i < std::size(steps); ++i) {
    const FindOutcome outcome = findPublicDocking(list, find, cursor, steps[i].step);
    EXPECT_EQ(outcome.row, steps[i].row) << "step " << i;
    EXPECT_EQ(outcome.cursor, steps[i].cursor) << "step " << i;
    cursor = outcome.cursor;
  }
}

TEST(PublicFind, ExaminesAtMostAsManyPositionsAsThereAreRows) {
  const auto list = names({"甲", "乙", "丙"});
  const GbkText last = utf8ToGbk("丙");
  const GbkText first = utf8ToGbk("甲");
  EXPECT_EQ(findRowForward(list, last, 0), 2);
  EXPECT_EQ(findRowForward(list, last, -1), std::nullopt);  // -1, 0, 1: the last row is left out
  EXPECT_EQ(findRowForward(list, first, 1), std::nullopt);  // never wraps
  EXPECT_EQ(findRowForward(list, last, 5), std::nullopt);
  EXPECT_EQ(findRowBackward(list, first, 2), 0);
  EXPECT_EQ(findRowBackward(list, first, 3), std::nullopt);  // 3, 2, 1: row 0 would be a fourth
  EXPECT_EQ(findRowBackward(list, last, 4), 2);              // 4, 3, 2
  EXPECT_EQ(findRowBackward(list, last, -1), std::nullopt);
  EXPECT_EQ(findRowForward({}, first, 0), std::nullopt);
}

TEST(PublicFind, ComparesAsciiLettersWithoutCaseAndGbkCharactersWhole) {
  EXPECT_TRUE(findTextMatches("xABCy", "abc"));
  EXPECT_TRUE(findTextMatches(utf8ToGbk("云途Abc出行"), "aBC"));
  // "啊" is B0 A1: its second byte is no character of its own.
  EXPECT_FALSE(findTextMatches(utf8ToGbk("啊"), "\xA1"));
  EXPECT_FALSE(findTextMatches(utf8ToGbk("某服务"), utf8ToGbk("甲")));
}

TEST(PublicFind, AnEmptyFindTextMatchesTheFirstNonEmptyName) {
  const auto list = names({"", "乙服务", "丙服务"});
  EXPECT_EQ(findPublicDocking(list, "", 0, FindStep::First).row, 1);
  EXPECT_FALSE(findTextMatches("", ""));
}

}  // namespace
}  // namespace verdomo::test
