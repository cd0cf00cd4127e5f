// Sign-in, registration and the account changes on the account port.
#include <gtest/gtest.h>

#include "sim_test_support.h"
#include "support/case_name.h"

namespace verdomo::sim::test {
namespace {

using Accounts = SimTest;

std::string signIn(const SimTest& test, std::string_view user, std::string_view password) {
  return test.ask(kAccountPort,
                  "/sign/username=" + std::string(user) + "&password=" + std::string(password));
}

TEST_F(Accounts, DemoSignInCarriesElevenFieldsWithTheAccountFactsAndAGbkNotice) {
  const std::string reply = signIn(*this, "demo01", "demo2026");
  const auto fields = split(reply, "|");
  ASSERT_GE(fields.size(), 11u) << reply;
  EXPECT_EQ(fields[0], "128.50");  // balance
  EXPECT_EQ(fields[1], "36.80");   // withdrawable
  EXPECT_EQ(fields[4], "你喜欢的颜色？");
  EXPECT_EQ(fields[5], "12345678");
  EXPECT_EQ(fields[6], "张晓明");
  EXPECT_EQ(fields[7], "zhangxm@example.com");
  EXPECT_NE(fields[8].find("欢迎使用"), std::string::npos);  // arrived as GBK, read back
  EXPECT_EQ(fields[9], "800012345");
  EXPECT_EQ(fields[10], "普通用户");
}

TEST_F(Accounts, MerchantSignInSaysMerchantInTheEleventhField) {
  const auto fields = split(signIn(*this, "shop01", "shop2026"), "|");
  ASSERT_EQ(fields.size(), 11u);
  EXPECT_EQ(fields[10], "商户");
}

struct AccountRefusal {
  std::string name;
  friend void PrintTo(const AccountRefusal& c, std::ostream* out) { *out << c.name; }
  std::string path;   // UTF-8, escaped on the wire like the client's transport
  std::string reply;  // UTF-8
};

class AccountRefusals : public SimTest, public ::testing::WithParamInterface<AccountRefusal> {};

TEST_P(AccountRefusals, AnswerThePlatformsMessage) {
  EXPECT_EQ(ask(kAccountPort, GetParam().path), GetParam().reply);
}

const std::string kZc = "/ZC/username=newuser01&password=secret66&password1=secret66&QQ=12345";

INSTANTIATE_TEST_SUITE_P(
    Sim, AccountRefusals,
    ::testing::Values(
        AccountRefusal{"WrongPassword", "/sign/username=demo01&password=demo2027", "0|密码错误"},
        AccountRefusal{"UnknownUser", "/sign/username=nobody99&password=demo2026",
                       "0|用户名不存在"},
        AccountRefusal{"EmptyCredentials", "/sign/username=&password=", "0|请输入用户名"},
        AccountRefusal{"NoParameters", "/sign/", "0|请输入用户名"},
        AccountRefusal{"ChangeWithWrongPassword",
                       "/xg_mm/username=demo01&password=nope&w=蓝色&p=newpass1",
                       "用户名或密码错误"},
        AccountRefusal{"WrongAnswer", "/xg_mm/username=demo01&password=demo2026&w=红色&p=newpass1",
                       "安全答案错误"},
        AccountRefusal{"ShortNewPassword", "/xg_mm/username=demo01&password=demo2026&w=蓝色&p=abc",
                       "新密码长度须为6-16位"},
        AccountRefusal{"ProfileBadQq",
                       "/xg_zl/username=demo01&password=demo2026&w=蓝色&q=12a45&z=张三&f=a@b.c",
                       "QQ号码格式错误"},
        AccountRefusal{"ProfileSeparatorInName",
                       "/xg_zl/username=demo01&password=demo2026&w=蓝色&q=123456&z=张|三&f=a@b.c",
                       "资料中不能含有|、#或,"},
        AccountRefusal{"SecurityWithoutNewAnswer",
                       "/xg_aq/username=demo01&password=demo2026&w=蓝色&xt=你的梦想是什么？&w1=",
                       "请输入新的安全答案"},
        AccountRefusal{
            "NameTaken",
            "/ZC/username=demo01&password=secret66&password1=secret66&QQ=12345&Fullname=王五"
            "&account=w@x.y&Referee=&problem=你喜欢的颜色？&Answer=绿色&type=1",
            "该用户名已被注册"},
        AccountRefusal{
            "ChineseName",
            "/ZC/username=用户名称&password=secret66&password1=secret66&QQ=12345&Fullname=王五"
            "&account=w@x.y&Referee=&problem=p&Answer=a&type=1",
            "用户名须为6-16位字母、数字、@或."},
        AccountRefusal{
            "PasswordsDiffer",
            kZc.substr(0, kZc.find("&password1")) +
                "&password1=secret67&QQ=12345&Fullname=王五&account=w@x.y&Referee=&problem=p"
                "&Answer=a&type=1",
            "两次输入的密码不一致"},
        AccountRefusal{"UnknownReferee",
                       kZc + "&Fullname=王五&account=w@x.y&Referee=99999&problem=p&Answer=a&type=1",
                       "推荐人不存在"},
        AccountRefusal{"NoQuestion",
                       kZc + "&Fullname=王五&account=w@x.y&Referee=&problem=&Answer=a&type=1",
                       "请选择安全问题"}),
    verdomo::test::caseName<AccountRefusal>);

TEST_F(Accounts, RegistrationDecodesTheClientsOwnEscapesAndTheNewAccountSignsIn) {
  // The client percent-encodes every UTF-8 byte of these three values itself (letters too);
  // its transport leaves those escapes alone.
  auto everyByte = [](std::string_view utf8) {
    std::string encoded;
    for (unsigned char c : utf8) {
      char hex[4];
      std::snprintf(hex, sizeof hex, "%%%02X", c);
      encoded += hex;
    }
    return encoded;
  };
  const std::string path =
      "/ZC/username=Newbie.2026&password=secret66&password1=secret66"
      "&QQ=55555&Fullname=" +
      everyByte("王小五") +
      "&account=wxw@example.com&Referee=10001&problem=" + everyByte("你的梦想是什么？") +
      "&Answer=" + everyByte("Fly 高") + "&type=1";
  EXPECT_EQ(ask(kAccountPort, path), "注册成功");
  EXPECT_EQ(ask(kAccountPort, path), "该用户名已被注册");

  const auto fields = split(signIn(*this, "Newbie.2026", "secret66"), "|");
  ASSERT_EQ(fields.size(), 11u);
  EXPECT_EQ(fields[0], "0.00");
  EXPECT_EQ(fields[4], "你的梦想是什么？");
  EXPECT_EQ(fields[6], "王小五");
  // The answer arrived with its space: a change confirmed by it succeeds.
  EXPECT_EQ(ask(kAccountPort, "/xg_mm/username=Newbie.2026&password=secret66&w=Fly 高&p=secret77"),
            "修改成功");
  EXPECT_EQ(split(signIn(*this, "Newbie.2026", "secret77"), "|").size(), 11u);
}

TEST_F(Accounts, ChangesTakeEffectForTheNextSignIn) {
  EXPECT_EQ(demo(kAccountPort, "xg_zl", "&w=蓝色&q=99887766&z=张大明&f=zdm@example.com"),
            "修改成功");
  EXPECT_EQ(demo(kAccountPort, "xg_aq", "&w=蓝色&xt=你的梦想是什么？&w1=飞行"), "设置成功");
  auto fields = split(signIn(*this, "demo01", "demo2026"), "|");
  ASSERT_EQ(fields.size(), 11u);
  EXPECT_EQ(fields[4], "你的梦想是什么？");
  EXPECT_EQ(fields[5], "99887766");
  EXPECT_EQ(fields[6], "张大明");
  EXPECT_EQ(fields[7], "zdm@example.com");

  // The old answer no longer confirms anything; the new one changes the password.
  EXPECT_EQ(demo(kAccountPort, "xg_mm", "&w=蓝色&p=changed99"), "安全答案错误");
  EXPECT_EQ(demo(kAccountPort, "xg_mm", "&w=飞行&p=changed99"), "修改成功");
  EXPECT_EQ(signIn(*this, "demo01", "demo2026"), "0|密码错误");
  EXPECT_EQ(split(signIn(*this, "demo01", "changed99"), "|").size(), 11u);
}

}  // namespace
}  // namespace verdomo::sim::test
