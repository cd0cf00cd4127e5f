#include <gtest/gtest.h>

#include "api/gbk_text.h"
#include "app/sign_in.h"
#include "support/case_name.h"
#include "support/gbk_test_text.h"

namespace verdomo {
namespace {

using namespace verdomo::literals;

struct InputCase {
  const char* name;
  GbkText userName;
  GbkText password;
  const char* problem;  // UTF-8; empty when the input passes
};

class SignInInput : public testing::TestWithParam<InputCase> {};

TEST_P(SignInInput, IsCheckedInItsOrder) {
  const auto problem = signInInputProblem(GetParam().userName, GetParam().password);
  EXPECT_EQ(problem ? gbkToUtf8(*problem) : "", GetParam().problem);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SignInInput,
    testing::Values(InputCase{"Accepted", "demo01", "demo2026", ""},
                    InputCase{"UpperCaseAndMailCharactersPass", "Demo.User@x", "secret", ""},
                    InputCase{"Underscore", "demo_01", "demo2026", "用户名不支持中文或字符"},
                    InputCase{"Dash", "demo-01", "demo2026", "用户名不支持中文或字符"},
                    InputCase{"Chinese", "用户abcd"_gbk, "demo2026", "用户名不支持中文或字符"},
                    InputCase{"CharactersBeforeLength", "a_", "1", "用户名不支持中文或字符"},
                    InputCase{"ShortUserName", "demo1", "demo2026", "用户名长度少于6位。"},
                    InputCase{"ShortPassword", "demo01", "12345", "密码长度少于6位。"},
                    InputCase{"SixteenBytePasswordPasses", "demo01", "1234567890123456", ""},
                    InputCase{"LongPasswordBeforeLongUserName", "abcdefghijklmnopq",
                              "12345678901234567", "密码长度大于16位。"},
                    InputCase{"LongUserName", "abcdefghijklmnopq", "demo2026",
                              "用户长度大于16位。"},
                    InputCase{"ChinesePasswordCountsBytes", "demo01", "密码密"_gbk, ""}),
    test::caseName<InputCase>);

std::vector<GbkText> reply(const std::string& utf8) {
  return splitFields(utf8ToGbk(utf8), "|");
}

TEST(SignInReply, FillsTheAccountFactsOfTheSession) {
  SessionState session;
  const auto fields =
      reply("12.50|3.00|x|y|你的梦想是什么？|10001|张三|zs@pay|欢迎使用|800800|用户|more");
  storeSignInReply(session, fields);
  EXPECT_EQ(session.balance, "12.50");
  EXPECT_EQ(session.withdrawable, "3.00");
  EXPECT_EQ(gbkToUtf8(session.securityQuestion), "你的梦想是什么？");
  EXPECT_EQ(session.contactQq, "10001");
  EXPECT_EQ(gbkToUtf8(session.realName), "张三");
  EXPECT_EQ(session.alipayAccount, "zs@pay");
  EXPECT_EQ(gbkToUtf8(session.noticeText), "欢迎使用");
  EXPECT_EQ(session.supportQq, "800800");
  EXPECT_FALSE(isMerchantAccount(fields));
  EXPECT_TRUE(isMerchantAccount(reply("1|2|3|4|5|6|7|8|9|10|商户")));
  EXPECT_FALSE(isMerchantAccount(reply("1|2|3|4|5|6|7|8|9|10|商户 ")));
}

}  // namespace
}  // namespace verdomo
