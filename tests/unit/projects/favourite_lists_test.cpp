#include "projects/favourite_lists.h"

#include <gtest/gtest.h>

#include "support/gbk_test_text.h"

namespace verdomo::test {
namespace {

using Texts = std::vector<std::string>;

TEST(ReceiveFavouriteItemsTest, LastRecordFirstWithoutSendProjects) {
  const GbkText reply = utf8ToGbk(
      "1001#c-悦读 小说#c-0.50#c+1002#c-某站登录#c-1.00#c+"
      "2001#c-某服务(发送号码:10690#10691)#c-0.10#c+1003#c-发送验证#c-0.3#c+1004#c-短");
  EXPECT_EQ(toUtf8(receiveFavouriteItems(reply)),
            (Texts{"[1002]某站登录 - {价格}：1.00", "[1001]悦读小说 - {价格}：0.50"}));
  EXPECT_TRUE(receiveFavouriteItems("0|"_gbk + "密码错误"_gbk).empty());
  EXPECT_TRUE(receiveFavouriteItems("").empty());
}

TEST(SendFavouritesTest, ItemsAndProjectLinesInTheSameOrder) {
  const SendProjects favourites = sendFavourites(utf8ToGbk(
      "2001#c-某服务(发送号码:10690#10691)#c-0.10#c+1001#c-收码#c-0.5#c+"
      "2002#c-另 "
      "一个(发送号码:10086)#c-0.20#c+2003#c-无括号发送号码:1#c-0.3#c+1003#c-发送验证#c-1"));
  EXPECT_EQ(toUtf8(favourites.items),
            (Texts{"[2003] - {价格}：0.3 - (发短信)", "[2002]另一个 - {价格}：0.20 - (发短信)",
                   "[2001]某服务 - {价格}：0.10 - (发短信)"}));
  EXPECT_EQ(gbkToUtf8(favourites.projectLines),
            "无括号发送号码:1\r\n另一个(发送号码:10086)\r\n某服务(发送号码:10690#10691)\r\n");
}

TEST(SenderNumbersTest, TakesTheNumbersBetweenTheMarkerAndTheFirstParenthesis) {
  struct Case {
    const char* line;
    Texts numbers;
  } cases[] = {
      {"某服务(发送号码:10690#10691)", {"10690", "10691"}},
      {"某(发送号码:10690##10691)", {"10690", "", "10691"}},
      {"某(发送号码:10690#)", {"10690"}},
      {"某(发送号码:10690", {}},
      {"某服务(10690)", {}},
      {"a)发送号码:1#2)b(发送号码:3)", {"1", "2"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(toUtf8(senderNumbersOf(utf8ToGbk(c.line))), c.numbers) << c.line;
  }
}

TEST(SenderNumbersTest, PicksTheLinesHoldingTheKey) {
  const GbkText lines =
      utf8ToGbk("某服务(发送号码:1#2)\r\n另一个(发送号码:3)\r\n某服务二(发送号码:4)\r\n");
  EXPECT_EQ(toUtf8(senderNumbers(lines)), (Texts{"1", "2", "3", "4"}));
  EXPECT_EQ(toUtf8(senderNumbers(lines, utf8ToGbk("某服务"))), (Texts{"1", "2", "4"}));
  EXPECT_EQ(toUtf8(senderNumbers(lines, utf8ToGbk("没有"))), Texts{});
}

TEST(SendItemKeyTest, IsTheTextBetweenTheBracketAndTheDash) {
  EXPECT_EQ(gbkToUtf8(sendItemKey(utf8ToGbk("[2001]某服务 - {价格}：0.10 - (发短信)"))), "某服务");
  EXPECT_EQ(sendItemKey(noSendFavouritesItem()), "");  // the placeholder has no " -"
  EXPECT_EQ(sendItemKey(utf8ToGbk("[2003] - {价格}：0.3 - (发短信)")), "");
  EXPECT_EQ(sendItemKey("no bracket - x"), "");
}

}  // namespace
}  // namespace verdomo::test
