// The take page's pure rules: filter values, take replies, the project rule, search items and
// the phone-number lines.
#include "receive/number_take.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "support/case_name.h"
#include "support/gbk_test_text.h"

namespace verdomo {
namespace {

using test::caseName;
using test::toUtf8;
using namespace verdomo::literals;

TEST(TakeFilters, OperatorAndCardSendTheIndexUnlessTheDefaultIsSelected) {
  struct Case {
    int index;
    const char* item;
    const char* value;
  };
  for (const Case& c : {Case{0, "默认", ""}, Case{1, "移动", "1"}, Case{3, "电信", "3"},
                        Case{2, "实卡", "2"}, Case{5, "默认", ""}}) {
    EXPECT_EQ(indexFilter(c.index, utf8ToGbk(c.item)), c.value) << c.item << " at " << c.index;
  }
}

TEST(TakeFilters, RegionSendsTheProvinceItselfUnlessTheDefaultIsSelected) {
  EXPECT_EQ(regionFilter("默认"_gbk), "");
  EXPECT_EQ(regionFilter("北京"_gbk), "北京"_gbk);
  EXPECT_EQ(regionFilter("黑龙江"_gbk), "黑龙江"_gbk);
}

struct TakeReplyCase {
  std::string name;
  std::string reply;  // UTF-8
  TakeReply::Kind kind;
  std::string phone;
  std::string message;
};

void PrintTo(const TakeReplyCase& c, std::ostream* out) {
  *out << c.name;
}

class TakeReplies : public testing::TestWithParam<TakeReplyCase> {};

TEST_P(TakeReplies, AreReadAsNumberNothingOrRefusal) {
  const TakeReplyCase& c = GetParam();
  const TakeReply reply = parseTakeReply(utf8ToGbk(c.reply));
  EXPECT_EQ(reply.kind, c.kind);
  EXPECT_EQ(gbkToUtf8(reply.phone), c.phone);
  EXPECT_EQ(gbkToUtf8(reply.message), c.message);
}

using Kind = TakeReply::Kind;

INSTANTIATE_TEST_SUITE_P(
    Replies, TakeReplies,
    testing::Values(
        TakeReplyCase{"Number", "1|13800138000", Kind::kNumber, "13800138000", ""},
        TakeReplyCase{"NumberWithMoreFields", "1|13800138000|x", Kind::kNumber, "13800138000", ""},
        TakeReplyCase{"EmptyReply", "", Kind::kNothing, "", ""},
        TakeReplyCase{"SuccessWithoutNumber", "1", Kind::kNothing, "", ""},
        TakeReplyCase{"SuccessWithEmptyNumber", "1|", Kind::kNothing, "", ""},
        // An empty number field is no number either: no row without a phone number.
        TakeReplyCase{"SuccessWithAnEmptyNumberField", "1||13800138000", Kind::kNothing, "", ""},
        TakeReplyCase{"Refusal", "0|余额不足", Kind::kRefused, "", "余额不足"},
        TakeReplyCase{"EveryZeroBarIsRemoved", "0|已取10|个", Kind::kRefused, "", "已取1个"},
        TakeReplyCase{"OtherStatusIsARefusal", "2|x", Kind::kRefused, "", "2|x"},
        TakeReplyCase{"NumberWithoutStatusIsARefusal", "|13800138000", Kind::kRefused, "",
                      "|13800138000"}),
    caseName<TakeReplyCase>);

TEST(TakeableProjectId, NeedsABracketedIdOfAtLeast1000) {
  struct Case {
    const char* item;
    std::optional<std::string> id;
  };
  const Case cases[] = {
      {"[1021]某项目 - {价格}：0.5", "1021"},
      {"[1000]某项目 - {价格}：0.5", "1000"},
      {"[01021]某项目 - {价格}：0.5", "01021"},  // the text as it stands, not re-formatted
      {"[999]某项目 - {价格}：0.5", std::nullopt},
      {"[abc]某项目 - {价格}：0.5", std::nullopt},
      {"[1021某项目 - {价格}：0.5", std::nullopt},
      {"未搜索到相关项目", std::nullopt},
      {"您未收藏[短信项目]，可通过关键字或项目ID进行搜索。", std::nullopt},
      {"", std::nullopt},
  };
  for (const Case& c : cases) {
    const std::optional<GbkText> id = takeableProjectId(utf8ToGbk(c.item));
    EXPECT_EQ(id, c.id) << c.item;
  }
}

TEST(ReceiveSearchItems, KeepsReceiveProjectsOfFiveFieldsInReplyOrderWithoutSpaces) {
  const GbkText reply = utf8ToGbk(
      "1002#c-乙 项目#c-1.0#c-a#c-b#c+"
      "1003#c-短信发送#c-0.1#c-a#c-b#c+"
      "1004#c-丁#c-0.2#c-a#c+"
      "1001 #c-甲　站#c- 0.5#c-a#c-b#c-c");
  EXPECT_EQ(toUtf8(receiveSearchItems(reply)),
            (std::vector<std::string>{"[1002]乙项目 - {价格}：1.0", "[1001]甲站 - {价格}：0.5"}));
}

TEST(ReceiveSearchItems, OffersThePlaceholderWhenNothingIsLeft) {
  for (const char* reply :
       {"", "0|用户名或密码错误", "1003#c-发送验证#c-0.1#c-a#c-b", "1004#c-丁#c-0.2#c-a"}) {
    EXPECT_EQ(toUtf8(receiveSearchItems(utf8ToGbk(reply))),
              (std::vector<std::string>{"未搜索到相关项目"}))
        << reply;
  }
}

TEST(PhoneNumberLines, EndsEveryNonEmptyNumberWithCrLf) {
  EXPECT_EQ(phoneNumberLines({"13800000001", "", "13800000003"}), "13800000001\r\n13800000003\r\n");
  EXPECT_EQ(phoneNumberLines({"13800000001"}), "13800000001\r\n");
  EXPECT_EQ(phoneNumberLines({"", ""}), "");
  EXPECT_EQ(phoneNumberLines({}), "");
}

}  // namespace
}  // namespace verdomo
