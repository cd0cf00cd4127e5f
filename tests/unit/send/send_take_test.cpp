// The rules of the 发短信 page without its window: the search reply, the service numbers of a
// pick, the length checks, the take replies and the request URLs.
#include "send/send_take.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "api/service_address.h"
#include "support/case_name.h"
#include "support/gbk_test_text.h"

namespace verdomo::test {
namespace {

using Texts = std::vector<std::string>;

Texts utf8(const std::vector<GbkText>& texts) {
  Texts result;
  for (const GbkText& text : texts)
    result.push_back(gbkToUtf8(text));
  return result;
}

TEST(SendSearch, OffersSendProjectsOfFiveFieldsInReplyOrderWithoutSpaces) {
  const SendProjects found = sendSearchProjects(
      utf8ToGbk("2001#c-甲 站(发送号码:1069#1070)#c-0.80#c-x#c-0#c+"  // an ASCII space in the name
                "2002#c-收码站#c-1.00#c-x#c-0#c+"                     // a receive project
                "2003#c-乙站(发送号码:1080)#c-0.50#c-x#c+"            // four fields only
                "2004#c-丙站(发送号码:\xE3\x80\x80"
                "1090)#c-1.20#c-x#c-1"));  // a full-width space
  EXPECT_EQ(utf8(found.items), (Texts{"[2001]甲站 - {价格}：0.80 - (发短信)",
                                      "[2004]丙站 - {价格}：1.20 - (发短信)"}));
  EXPECT_EQ(gbkToUtf8(found.projectLines), "甲站(发送号码:1069#1070)\r\n丙站(发送号码:1090)\r\n");
  EXPECT_TRUE(sendSearchProjects("").items.empty());
  EXPECT_TRUE(sendSearchProjects(utf8ToGbk("2002#c-收码站#c-1.00#c-x#c-0")).items.empty());
}

struct KeyCase {
  const char* name;
  const char* item;
  Texts numbers;
};

class ServiceNumbersOfAPick : public testing::TestWithParam<KeyCase> {};

// The lines of two loaded projects; "甲" stands inside the second one's name, and "1080"
// inside the first one's numbers.
TEST_P(ServiceNumbersOfAPick, ListEveryLineHoldingTheShortName) {
  const GbkText lines = utf8ToGbk("甲(发送号码:1069#10801)\r\n乙甲(发送号码:1070)\r\n");
  const GbkText key = sendItemKey(utf8ToGbk(GetParam().item));
  EXPECT_EQ(utf8(senderNumbers(lines, key)), GetParam().numbers);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ServiceNumbersOfAPick,
    testing::Values(
        KeyCase{"OwnLineOnly", "[2002]乙甲 - {价格}：1 - (发短信)", {"1070"}},
        KeyCase{"InsideAnotherName", "[2001]甲 - {价格}：1 - (发短信)", {"1069", "10801", "1070"}},
        KeyCase{
            "InsideAnotherLinesNumbers", "[2003]1080 - {价格}：1 - (发短信)", {"1069", "10801"}}),
    caseName<KeyCase>);

struct LengthCase {
  const char* name;
  const char* phone;
  bool longEnough;
};

class PhoneLength : public testing::TestWithParam<LengthCase> {};

TEST_P(PhoneLength, CountsTheBytesWithoutSpaces) {
  EXPECT_EQ(phoneLongEnough(utf8ToGbk(GetParam().phone)), GetParam().longEnough);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, PhoneLength,
    testing::Values(LengthCase{"SevenDigits", "1380013", true},
                    LengthCase{"SixDigits", "138001", false},
                    LengthCase{"SevenDigitsInBlanks", "  1380013 ", true},
                    LengthCase{"SixDigitsWithABlankInside", "138 001", false},
                    LengthCase{"FullWidthBlanksDoNotCount", "　138001　", false},
                    LengthCase{"ThreeChineseCharactersAreSixBytes", "一二三", false},
                    LengthCase{"FourChineseCharactersAreEight", "一二三四", true},
                    LengthCase{"Empty", "", false}),
    caseName<LengthCase>);

TEST(SendSmsChecks, ComeInTheirOrderAndLookAtSpaceFreeTexts) {
  struct Case {
    const char* phone;
    const char* serviceNumber;
    const char* content;
    const char* problem;  // "" when the send may go
  };
  const Case cases[] = {{"138001", "", "", "手机号码错"},
                        {"13800138000", "", "", "请选择发送号码"},
                        {"13800138000", "1069", " 　 ", "请输入发送内容"},
                        {" 1380013 ", "1069", " 你好 ", ""}};
  for (const Case& c : cases) {
    const auto problem =
        sendSmsProblem(utf8ToGbk(c.phone), utf8ToGbk(c.serviceNumber), utf8ToGbk(c.content));
    EXPECT_EQ(problem ? gbkToUtf8(*problem) : "", c.problem) << c.phone << "/" << c.content;
  }
}

TEST(SendTakeReplies, GiveANumberNothingOrTheWholeReplyToShow) {
  using Kind = SendTakeReply::Kind;
  struct Case {
    const char* reply;
    Kind kind;
    const char* phone;
  };
  const Case cases[] = {{"1|13800138000", Kind::kNumber, "13800138000"},
                        {"1|13800138000|x", Kind::kNumber, "13800138000"},
                        {"", Kind::kNothing, ""},
                        {"1", Kind::kNothing, ""},
                        {"1|", Kind::kNothing, ""},
                        {"0|没有可用号码", Kind::kRefused, ""},
                        {"余额不足", Kind::kRefused, ""}};
  for (const Case& c : cases) {
    const SendTakeReply reply = parseSendTakeReply(utf8ToGbk(c.reply));
    EXPECT_EQ(reply.kind, c.kind) << c.reply;
    EXPECT_EQ(reply.phone, c.phone) << c.reply;
  }
  EXPECT_EQ(gbkToUtf8(provinceLabel(utf8ToGbk("广东"))), "号码归属地: 广东");
  // A placeholder item names no project, so a pick of it changes nothing.
  EXPECT_EQ(sendItemKey(utf8ToGbk("您未收藏[发短信项目]，可通过关键字或项目ID进行搜索。")), "");
}

TEST(SendUrls, CarryTheirParametersInOrderAndTheFieldsAsTheyStand) {
  const ServiceAddresses addresses = buildServiceAddresses("host", 0);
  const Credentials credentials{"demo01", "pw"};
  const TakeFilters filters{
      .operatorValue = "1", .region = utf8ToGbk("广东"), .card = "", .loop = "2"};
  EXPECT_EQ(gbkToUtf8(sendTakeSpecificUrl(addresses, credentials, "2001", filters, " 1380013 ")),
            "http://host:81/yh_qh/username=demo01&password=pw&id=2001&operator=1&region=广东"
            "&card=&loop=2&phone= 1380013 ");
  EXPECT_EQ(gbkToUtf8(sendSmsUrl(addresses, credentials, "2001", "1069", " 13800138000",
                                 utf8ToGbk("验证 123"))),
            "http://host:1780/fdx_tj/username=demo01&password=pw&id=2001&send=1069"
            "&phone= 13800138000&content=验证 123");
}

}  // namespace
}  // namespace verdomo::test
