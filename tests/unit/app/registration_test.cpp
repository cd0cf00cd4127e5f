#include <gtest/gtest.h>

#include "api/service_address.h"
#include "app/registration.h"
#include "support/case_name.h"
#include "support/gbk_test_text.h"

namespace verdomo {
namespace {

using namespace verdomo::literals;

RegistrationForm goodForm() {
  return {"newuser1", "secret12",           "secret12", "12345", "李四"_gbk,
          "ls@pay",   "你喜欢的颜色？"_gbk, "蓝色"_gbk, "demo01"};
}

struct FormCase {
  const char* name;
  void (*change)(RegistrationForm&);
  const char* problem;  // UTF-8; empty when the form passes
};

class RegistrationChecks : public testing::TestWithParam<FormCase> {};

TEST_P(RegistrationChecks, RunInTheirOrder) {
  RegistrationForm form = goodForm();
  GetParam().change(form);
  const auto problem = registrationProblem(form);
  EXPECT_EQ(problem ? gbkToUtf8(*problem) : "", GetParam().problem);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RegistrationChecks,
    testing::Values(
        FormCase{"Passes", [](RegistrationForm&) {}, ""},
        FormCase{"ChineseUserName", [](RegistrationForm& f) { f.userName = "用户名名"_gbk; },
                 "注册不支持中文或字符"},
        FormCase{"ShortUserName", [](RegistrationForm& f) { f.userName = "abc"; },
                 "用户名长度必须大于6位。"},
        FormCase{"ShortPassword",
                 [](RegistrationForm& f) { f.password = f.confirmation = "12345"; },
                 "密码长度必须大于6位。"},
        FormCase{"ShortConfirmation", [](RegistrationForm& f) { f.confirmation = "12345"; },
                 "确认密码长度必须大于6位。"},
        FormCase{"Mismatch", [](RegistrationForm& f) { f.confirmation = "secret13"; },
                 "密码与确认密码不一致。"},
        FormCase{"ShortAnswer", [](RegistrationForm& f) { f.securityAnswer = "ab"; },
                 "安全答案必须大于3位。"},
        FormCase{"LongUserName", [](RegistrationForm& f) { f.userName = "abcdefghijklmnopq"; },
                 "用户名长度必须大于16位。"},
        FormCase{"LongPassword",
                 [](RegistrationForm& f) { f.password = f.confirmation = "12345678901234567"; },
                 "密码长度必须大于16位。"},
        FormCase{"FiveDigitQqPasses", [](RegistrationForm& f) { f.contactQq = "12345"; }, ""},
        FormCase{"FourDigitQq", [](RegistrationForm& f) { f.contactQq = "1234"; },
                 "QQ号位数必须大于6位"},
        FormCase{"NoRealName", [](RegistrationForm& f) { f.realName.clear(); },
                 "请输入支付宝姓名[用于开发者提现]"},
        FormCase{"NoAlipay", [](RegistrationForm& f) { f.alipayAccount.clear(); },
                 "请输入支付宝账号[用于开发者提现]"},
        FormCase{"AnswerBeforeLengthLimits",
                 [](RegistrationForm& f) {
                   f.securityAnswer = "";
                   f.userName = "abcdefghijklmnopq";
                 },
                 "安全答案必须大于3位。"}),
    test::caseName<FormCase>);

TEST(RegistrationRequest, EncodesNameQuestionAndAnswerOnly) {
  RegistrationForm form = goodForm();
  form.securityQuestion.clear();  // no question chosen: nothing to encode
  EXPECT_EQ(registrationUrl(buildServiceAddresses("h"), form),
            "http://h:82/ZC/username=newuser1&password=secret12&password1=secret12&QQ=12345"
            "&Fullname=%E6%9D%8E%E5%9B%9B&account=ls@pay&Referee=demo01&problem="
            "&Answer=%E8%93%9D%E8%89%B2&type=1");
}

TEST(RegistrationReply, OnlyTheExactTextSucceeds) {
  EXPECT_TRUE(registrationSucceeded("注册成功"_gbk));
  EXPECT_FALSE(registrationSucceeded("注册成功\r\n"_gbk));
  EXPECT_FALSE(registrationSucceeded("用户名已存在"_gbk));
  EXPECT_FALSE(registrationSucceeded(""));
}

}  // namespace
}  // namespace verdomo
