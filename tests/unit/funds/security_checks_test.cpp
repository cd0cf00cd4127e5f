// The local checks of the security windows, in their order.
#include "funds/security_checks.h"

#include <gtest/gtest.h>

#include "support/gbk_test_text.h"

namespace verdomo::test {
namespace {

std::string message(const std::optional<GbkText>& problem) {
  return problem ? gbkToUtf8(*problem) : "";
}

TEST(PasswordChange, ChecksAnswerLengthsThenTheConfirmation) {
  struct Case {
    const char* answer;
    const char* password;
    const char* confirmation;
    const char* problem;
  };
  const Case cases[] = {
      {" 　", "abcdef", "abcdef", "请输入安全答案"},
      {"蓝色", "abcde", "abcde", "新密码长度不够或新密码长度过长"},         // 5 bytes
      {"蓝色", "abcdefghijklmnop", "x", "新密码长度不够或新密码长度过长"},  // 16 bytes
      {"蓝色", "      ", "      ", "新密码长度不够或新密码长度过长"},       // spaces only
      {"蓝色", "abcdef", "abcde", "确认码长度不够"},
      {"蓝色", "abcdef", "abcdeg", "输入的新密码与确认码不一致"},
      {"蓝色", "abcdef", "ABCDEF", "输入的新密码与确认码不一致"},  // case counts
      {"蓝 色", "abc def", "abcdef", ""},                          // 6 bytes
      {"蓝色", "abcdefghijklmno", "abcdefghijklmno", ""},          // 15 bytes
      {"蓝色", "密码密码密", "密码密码密", ""},                    // 10 bytes
  };
  for (const Case& c : cases) {
    EXPECT_EQ(message(passwordChangeProblem(utf8ToGbk(c.answer), utf8ToGbk(c.password),
                                            utf8ToGbk(c.confirmation))),
              c.problem)
        << c.password << "/" << c.confirmation;
  }
}

TEST(ProfileChange, ChecksAnswerQqNameAndAlipayInOrder) {
  struct Case {
    const char* answer;
    const char* qq;
    const char* name;
    const char* alipay;
    const char* problem;
  };
  const Case cases[] = {
      {"", "123456", "王五", "a@b", "请输入安全答案"},
      {"蓝色", "12345", "王五", "a@b", "请输入正确的联系QQ"},   // 5 digits
      {"蓝色", "123456", "王五", "a@b", ""},                    // 6 digits
      {"蓝色", "000001", "王五", "a@b", ""},                    // 6 bytes pass without the value
      {"蓝色", "１２３４５", "王五", "a@b", ""},                // 10 bytes
      {"蓝色", "1 2345", "王五", "a@b", "请输入正确的联系QQ"},  // 5 once spaces go
      {"蓝色", "123456", " ", "a@b", "请输入真实姓名"},
      {"蓝色", "123456", "王五", "　", "请输入支付宝"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(message(profileProblem(utf8ToGbk(c.answer), utf8ToGbk(c.qq), utf8ToGbk(c.name),
                                     utf8ToGbk(c.alipay))),
              c.problem)
        << c.qq;
  }
}

TEST(SecurityQuestionChange, NeedsBothAnswers) {
  EXPECT_EQ(message(securityQuestionProblem(" ", "红色")), "请输入旧的安全答案");
  EXPECT_EQ(message(securityQuestionProblem(utf8ToGbk("蓝色"), "  ")), "请输入新的安全答案");
  EXPECT_EQ(message(securityQuestionProblem(utf8ToGbk("蓝色"), utf8ToGbk("红色"))), "");
}

}  // namespace
}  // namespace verdomo::test
