// The replies of the record pages: the paged views' "count|total|records", the page total, the
// page label, and the two whole lists with their opposite separators.
#include "funds/record_replies.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/case_name.h"
#include "support/gbk_test_text.h"

namespace verdomo::test {
namespace {

using Rows = std::vector<std::vector<std::string>>;

// `count` records of six fields, numbered in their phone field.
std::string records(int count) {
  std::string text;
  for (int i = 1; i <= count; ++i)
    text += (i > 1 ? "#c+" : "") + std::string("1021#c-星空#c-13800000") + std::to_string(i) +
            "#c-0.5#c-验证码" + std::to_string(i) + "#c-2026-12-01";
  return text;
}

struct PageCase {
  const char* name;
  std::string reply;
  bool good;
  std::string count;
  std::string total;
  int pageTotal;
  std::size_t rows;
};

class RecordPageReplies : public testing::TestWithParam<PageCase> {};

TEST_P(RecordPageReplies, AreGoodWithThreeFieldsAndACountOfAtLeastOne) {
  const PageCase& c = GetParam();
  const auto page = parseRecordPage(utf8ToGbk(c.reply));
  ASSERT_EQ(page.has_value(), c.good);
  if (!page) return;
  EXPECT_EQ(gbkToUtf8(page->count), c.count);
  EXPECT_EQ(gbkToUtf8(page->total), c.total);
  EXPECT_EQ(page->pageTotal, c.pageTotal);
  EXPECT_EQ(page->records.size(), c.rows);
}

INSTANTIATE_TEST_SUITE_P(
    Replies, RecordPageReplies,
    testing::Values(
        PageCase{"FortyFiveOnTwoPages", "45|12.3|" + records(30), true, "45", "12.3", 2, 30},
        PageCase{"CountZero", "0|0|" + records(2), false, "", "", 0, 0},
        PageCase{"TwoFields", "45|12.3", false, "", "", 0, 0},
        PageCase{"Empty", "", false, "", "", 0, 0},
        PageCase{"FullWidthCountAsAtoiReadsIt", "３1条|8|" + records(1), true, "３1条", "8", 2, 1},
        PageCase{"AnEmptyLastFieldIsNoField", "5|1.0|", false, "", "", 0, 0},
        PageCase{"NoRecordOfSixFields", "5|1.0|a#c-b", true, "5", "1.0", 1, 0}),
    caseName<PageCase>);

TEST(RecordPageReplies, RecordsNeedSixFieldsAndKeepTheirOrder) {
  const auto page = parseRecordPage(
      utf8ToGbk("3|1.5|P#c-N#c-T#c-1.5#c-S#c-D#c+"
                "Q#c-N#c-T#c-1.5#c-S#c+"              // five fields: dropped
                "R#c-N#c-T#c-1.5#c-S#c-D#c-extra"));  // seven: the seventh is ignored
  ASSERT_TRUE(page);
  ASSERT_EQ(page->records.size(), 2u);
  const PagedRecord& first = page->records[0];
  EXPECT_EQ((std::vector<std::string>{first.projectId, first.name, first.phone, first.price,
                                      first.smsText, first.time}),
            (std::vector<std::string>{"P", "N", "T", "1.5", "S", "D"}));
  EXPECT_EQ(page->records[1].projectId, "R");
  EXPECT_EQ(page->records[1].time, "D");
}

TEST(PageTotal, IsTheCountOverThirtyRoundedUp) {
  const std::pair<long long, int> cases[] = {{1, 1},
                                             {29, 1},
                                             {30, 1},
                                             {31, 2},
                                             {45, 2},
                                             {60, 2},
                                             {61, 3},
                                             {0, 0},
                                             {16777217, 559241},
                                             {16777231, 559242},
                                             {16777230, 559241},
                                             {16777260, 559242}};
  for (const auto& [count, pages] : cases)
    EXPECT_EQ(pageTotal(count), pages) << count;
}

TEST(PageLabels, ReadTheCurrentPageBeforeTheFirstSlashAndTheTotalAfterTheLast) {
  const PageLabel label = readPageLabel("2/5");
  EXPECT_EQ(label.current, 2);
  EXPECT_EQ(label.totalText, "5");
  EXPECT_EQ(label.total, 5);
  const PageLabel odd = readPageLabel("3/x/7");
  EXPECT_EQ(odd.current, 3);
  EXPECT_EQ(odd.totalText, "7");
  const PageLabel empty = readPageLabel("0/0");
  EXPECT_EQ(empty.current, 0);
  EXPECT_EQ(empty.total, 0);
}

TEST(WholeLists, WithdrawalsSplitAtCommasThenBarsAndNeedSixFields) {
  const auto rows = withdrawalRecords(
      utf8ToGbk("张三|pay@x.cn|100.00|2026-12-01 10:00|已处理|x,"
                "李四|6222|50.00|2026-12-02 11:00|处理中|y|z,"
                "王五|6222|50.00|2026-12-03|已处理,"     // five fields
                "赵六|6222|50.00|2026-12-03|已处理|,"))  // five and a trailing bar
      ;
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(gbkToUtf8(rows[0].name), "张三");
  EXPECT_EQ(rows[0].account, "pay@x.cn");
  EXPECT_EQ(rows[0].amount, "100.00");
  EXPECT_EQ(rows[0].time, "2026-12-01 10:00");
  EXPECT_EQ(gbkToUtf8(rows[0].result), "已处理");
  EXPECT_EQ(gbkToUtf8(rows[1].result), "处理中");
  EXPECT_TRUE(withdrawalRecords("").empty());
  EXPECT_TRUE(withdrawalRecords(utf8ToGbk("0|登录失败")).empty());
}

TEST(WholeLists, RechargesSplitAtBarsThenCommasAndShowFieldsOneTwoFourFive) {
  const auto rows = rechargeRecords(utf8ToGbk("O,10,X,T,R|O2,20,Y,T2|O3,30,Z,T3,R3,extra|"));
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ((std::vector<std::string>{rows[0].order, rows[0].amount, rows[0].time, rows[0].result}),
            (std::vector<std::string>{"O", "10", "T", "R"}));
  EXPECT_EQ(rows[1].order, "O3");
  EXPECT_EQ(rows[1].result, "R3");
  EXPECT_TRUE(rechargeRecords("").empty());
}

}  // namespace
}  // namespace verdomo::test
