#include <gtest/gtest.h>

#include "api/reply_forms.h"
#include "support/gbk_test_text.h"

namespace verdomo {
namespace {

using namespace verdomo::literals;
using test::toUtf8;
using Strings = std::vector<std::string>;

TEST(StatusReply, SucceedsOnlyWhenTheFirstFieldIsOne) {
  const StatusReply bare = parseStatusReply("1|");
  EXPECT_TRUE(bare.succeeded());
  EXPECT_EQ(bare.fields.size(), 1u);
  EXPECT_EQ(bare.field(1), "");

  const StatusReply number = parseStatusReply("1|13800138000");
  EXPECT_TRUE(number.succeeded());
  EXPECT_EQ(number.field(1), "13800138000");

  EXPECT_FALSE(parseStatusReply("0|余额不足"_gbk).succeeded());
  EXPECT_FALSE(parseStatusReply("").succeeded());
  EXPECT_FALSE(parseStatusReply("11|x").succeeded());
  EXPECT_FALSE(parseStatusReply(" 1|x").succeeded());
}

TEST(StatusReply, RefusalMessageDropsEveryZeroBar) {
  EXPECT_EQ(gbkToUtf8(refusalMessage("0|今日已取10|次"_gbk)), "今日已取1次");
  EXPECT_EQ(refusalMessage(""), "");
}

TEST(KeywordReply, SucceedsWheneverTheKeywordOccurs) {
  EXPECT_TRUE(keywordReplySucceeded("收藏成功"_gbk));
  EXPECT_TRUE(keywordReplySucceeded("未成功，请重试"_gbk));  // only the presence counts
  EXPECT_FALSE(keywordReplySucceeded("已收藏"_gbk));
  EXPECT_FALSE(keywordReplySucceeded(""));
}

TEST(RecordList, SkipsShortRecordsAndTheEmptyTail) {
  const auto records =
      parseRecordList("1001#c-微信#c-0.5#c-1#c-x#c+1002#c-短#c+1003#c-QQ#c-1#c-0#c-y#c+"_gbk, 5);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(toUtf8(records[0]), (Strings{"1001", "微信", "0.5", "1", "x"}));
  EXPECT_EQ(toUtf8(records[1]), (Strings{"1003", "QQ", "1", "0", "y"}));
  EXPECT_TRUE(parseRecordList("", 1).empty());
}

TEST(RecordList, CanRemoveAllSpacesFirst) {
  const auto kept = parseRecordList(" 微 信#c-1　元"_gbk, 2);
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_EQ(toUtf8(kept[0]), (Strings{" 微 信", "1　元"}));
  const auto removed = parseRecordList(" 微 信#c-1　元"_gbk, 2, Spaces::Remove);
  ASSERT_EQ(removed.size(), 1u);
  EXPECT_EQ(toUtf8(removed[0]), (Strings{"微信", "1元"}));
  // A marker broken by a space only becomes one once the spaces are gone.
  EXPECT_EQ(parseRecordList("a#c -b", 2).size(), 0u);
  EXPECT_EQ(parseRecordList("a#c -b", 2, Spaces::Remove).size(), 1u);
}

TEST(FieldList, AnEmptyLastFieldDoesNotCount) {
  const std::string eleven = "1|2|3|4|5|6|7|8|9|10|11";
  ASSERT_TRUE(parseFieldList(eleven, 11).has_value());
  EXPECT_EQ(parseFieldList(eleven, 11)->at(9), "10");
  EXPECT_FALSE(parseFieldList("1|2|3|4|5|6|7|8|9|10|", 11).has_value());
  EXPECT_TRUE(parseFieldList("1|2|3|4|5|6|7|8|9||11", 11).has_value());
  EXPECT_FALSE(parseFieldList("", 2).has_value());
}

}  // namespace
}  // namespace verdomo
