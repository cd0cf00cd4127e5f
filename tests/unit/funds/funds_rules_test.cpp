// The rules of the funds windows: the ten-yuan threshold, the balance reply, the payee line and
// the QR reply's error marker.
#include "funds/funds_rules.h"

#include <gtest/gtest.h>

#include "api/text_to_int.h"
#include "funds/qr_recharge.h"
#include "support/gbk_test_text.h"

namespace verdomo::test {
namespace {

TEST(TenYuanThreshold, ReadsTheAmountAsAtofDoesAfterFoldingFullWidthForms) {
  const std::pair<const char*, bool> cases[] = {
      {"10", true},   {"10.5", true},  {"9.99", false},     {"", false},
      {"１０", true}, {"10abc", true}, {"abc10", false},    {" 12", true},
      {"9", false},   {"１0.0", true}, {"9.9999999", true},  // 10 in single precision
      {"-20", false}, {"+10", true}};
  for (const auto& [typed, passes] : cases)
    EXPECT_EQ(amountAtLeastTenYuan(utf8ToGbk(typed)), passes) << typed;
  EXPECT_FLOAT_EQ(textToFloat(utf8ToGbk("１２.５元")), 12.5f);
  // Beyond a double, as atof reads it: too large is infinite, too small is 0.
  EXPECT_TRUE(amountAtLeastTenYuan(std::string(400, '9')));
  EXPECT_FALSE(amountAtLeastTenYuan("0." + std::string(400, '0') + "1"));
}

TEST(BalanceReplies, ShowTwoFieldsWhenTheSecondIsAnAmount) {
  const auto shown = [](const char* reply) {
    const auto balance = balanceOf(utf8ToGbk(reply));
    return balance ? gbkToUtf8(balance->balance + "/" + balance->withdrawable) : "unchanged";
  };
  EXPECT_EQ(shown("12.50|3.00"), "12.50/3.00");
  EXPECT_EQ(shown("12.50|3.00|x"), "12.50/3.00");
  EXPECT_EQ(shown("12.50|3"), "12.50/3");
  EXPECT_EQ(shown("12.50"), "unchanged");
  EXPECT_EQ(shown(""), "unchanged");
  EXPECT_EQ(shown("0|登录失败"), "unchanged");  // a refusal is no balance
  EXPECT_EQ(shown("0|"), "unchanged");
  EXPECT_EQ(shown("5|1.2.3"), "unchanged");
  EXPECT_EQ(shown("12.50|3.00\r\n"), "12.50/3.00\r\n");  // shown as sent
}

TEST(PayeeLine, NamesTheAccountThenTheNameInFullWidthParentheses) {
  EXPECT_EQ(gbkToUtf8(payeeLine(utf8ToGbk("王五"), "pay@x.cn")), "转账支付宝：pay@x.cn （王五）");
}

TEST(ErrorMarker, SplitsTheQrReplyAsTheBytesGo) {
  const std::string marker = "\xFF\x7B\xE7";
  struct Case {
    std::string body;
    std::vector<std::string> pieces;
  };
  const Case cases[] = {
      {"\x89PNG\r\n", {"\x89PNG\r\n"}},           // none
      {marker + "money", {"", "money"}},          // leading
      {"a" + marker + "b", {"a", "b"}},           // middle
      {"picture" + marker, {"picture"}},          // trailing: no empty last piece
      {"a" + marker + "b" + marker, {"a", "b"}},  // two
      {marker + marker + "c", {"", "", "c"}},     // adjacent
      {"", {}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(splitAtErrorMarker(c.body), c.pieces) << c.body;

  EXPECT_EQ(qrReplyOf(marker + utf8ToGbk("金额错误")).refusal, utf8ToGbk("金额错误"));
  EXPECT_EQ(qrReplyOf("a" + marker + "b" + marker).refusal, "b");
  const QrReply picture = qrReplyOf("picture" + marker);
  EXPECT_FALSE(picture.refusal);
  EXPECT_EQ(picture.picture, "picture" + marker);  // shown as an image, bytes as they came
}

}  // namespace
}  // namespace verdomo::test
