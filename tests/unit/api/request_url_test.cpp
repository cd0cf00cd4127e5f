#include <gtest/gtest.h>

#include <stdexcept>

#include "api/project_item.h"
#include "api/request_url.h"
#include "support/case_name.h"
#include "support/gbk_test_text.h"

namespace verdomo {
namespace {

using namespace verdomo::literals;

TEST(ServiceAddresses, PutEachGroupOnItsPort) {
  const ServiceAddresses plain = buildServiceAddresses("platform.test");
  EXPECT_EQ(plain.accountAddress, "platform.test:82");
  EXPECT_EQ(plain.projectAddress, "platform.test:83");
  EXPECT_EQ(plain.dockingAddress, "platform.test:85");
  EXPECT_EQ(plain.numberAddress, "platform.test:81");
  EXPECT_EQ(plain.releaseAddress, "platform.test:107");
  EXPECT_EQ(plain.pollAddress, "platform.test:38123");
  EXPECT_EQ(plain.recordsAddress, "platform.test:130");
  EXPECT_EQ(plain.sendAddress, "platform.test:1780");
  EXPECT_EQ(plain.withdrawAddress, "platform.test:38123");
  EXPECT_EQ(plain.paymentAddress, "platform.test:16899");

  const ServiceAddresses shifted = buildServiceAddresses("127.0.0.1", 20000);
  EXPECT_EQ(shifted.accountAddress, "127.0.0.1:20082");
  EXPECT_EQ(shifted.pollAddress, "127.0.0.1:58123");
}

struct UrlCase {
  const char* name;
  GbkText url;
  std::string expected;  // UTF-8
};

class RequestUrl : public testing::TestWithParam<UrlCase> {};

TEST_P(RequestUrl, PutsTheWholeRequestInThePath) {
  EXPECT_EQ(gbkToUtf8(GetParam().url), GetParam().expected);
}

const ServiceAddresses kAddresses = buildServiceAddresses("s");
const Credentials kUser{"张三"_gbk, "pw"};

INSTANTIATE_TEST_SUITE_P(
    Endpoints, RequestUrl,
    testing::Values(
        UrlCase{"NoParameters", requestUrl(kAddresses, kUser, endpoint::kSignIn),
                "http://s:82/sign/username=张三&password=pw"},
        UrlCase{"FixedValueBeforeCallersValue",
                requestUrl(kAddresses, kUser, endpoint::kProjectSearch, {"微信"_gbk}),
                "http://s:83/liebiao_xm/username=张三&password=pw&lx=1&ss=微信"},
        UrlCase{"FixedValueLast",
                requestUrl(kAddresses, kUser, endpoint::kApplySendProject, {"m", "106"}),
                "http://s:83/sq_dx/username=张三&password=pw&m=m&hm=106&l=2"},
        UrlCase{
            "EmptyValuesStay",
            requestUrl(kAddresses, kUser, endpoint::kTakeNumber, {"1001", "", "", "", "1"}),
            "http://s:81/yh_qh/username=张三&password=pw&id=1001&operator=&region=&card=&loop=1"},
        UrlCase{"ValuesGoInUnescaped",
                requestUrl(kAddresses, kUser, endpoint::kTakeSpecificNumber, {"1001", "a&b #c"}),
                "http://s:81/yh_qh/username=张三&password=pw&id=1001&phone=a&b #c"},
        UrlCase{"WithdrawUsesItsOwnField",
                requestUrl(kAddresses, {"", ""}, endpoint::kWithdraw, {"10"}),
                "http://s:38123/tj/username=&password=&j=10"},
        UrlCase{"BalanceOnTheDockingPort", requestUrl(kAddresses, kUser, endpoint::kBalance),
                "http://s:85/yh_gx/username=张三&password=pw"},
        UrlCase{"PayeeOnThePaymentPort", requestUrl(kAddresses, kUser, endpoint::kPayee),
                "http://s:16899/cx/username=张三&password=pw"},
        UrlCase{"QrOnThePaymentPort", requestUrl(kAddresses, kUser, endpoint::kQrRecharge, {"10"}),
                "http://s:16899/sc/username=张三&password=pw&j=10"},
        UrlCase{"ManualRechargeOnThePollPort",
                requestUrl(kAddresses, kUser, endpoint::kSubmitRecharge, {"2026"}),
                "http://s:38123/cz_tj/username=张三&password=pw&d=2026"},
        UrlCase{"PasswordOnTheAccountPort",
                requestUrl(kAddresses, kUser, endpoint::kChangePassword, {"a", "b"}),
                "http://s:82/xg_mm/username=张三&password=pw&w=a&p=b"},
        UrlCase{"ProfileOnTheAccountPort",
                requestUrl(kAddresses, kUser, endpoint::kChangeProfile, {"a", "q", "z", "f"}),
                "http://s:82/xg_zl/username=张三&password=pw&w=a&q=q&z=z&f=f"},
        UrlCase{"QuestionOnTheAccountPort",
                requestUrl(kAddresses, kUser, endpoint::kChangeSecurity, {"a", "x", "b"}),
                "http://s:82/xg_aq/username=张三&password=pw&w=a&xt=x&w1=b"}),
    test::caseName<UrlCase>);

TEST(RequestUrl, RejectsAWrongNumberOfValues) {
  EXPECT_THROW(requestUrl(kAddresses, kUser, endpoint::kPollSms, {"1001"}), std::logic_error);
  EXPECT_THROW(requestUrl(kAddresses, kUser, endpoint::kSignIn, {"x"}), std::logic_error);
}

struct ProjectCase {
  const char* name;
  GbkText item;
  GbkText idText;
  int idValue;
};

class ProjectIdOf : public testing::TestWithParam<ProjectCase> {};

TEST_P(ProjectIdOf, ReadsTheIdBetweenTheBrackets) {
  const ProjectId id = projectIdOf(GetParam().item);
  EXPECT_EQ(id.text, GetParam().idText);
  EXPECT_EQ(id.value, GetParam().idValue);
}

INSTANTIATE_TEST_SUITE_P(
    Items, ProjectIdOf,
    testing::Values(ProjectCase{"Item", projectItemText("1001", "微信"_gbk, "0.5"), "1001", 1001},
                    ProjectCase{"Placeholder", "未搜索到相关项目"_gbk, "", 0},
                    ProjectCase{"NotNumeric", "[abc]x", "abc", 0},
                    ProjectCase{"FullWidthDigits", "[１０００]x"_gbk, "１０００"_gbk, 1000},
                    ProjectCase{"FirstRightAfterFirstLeft", "]9[1200]x]", "1200", 1200},
                    ProjectCase{"NoClosingBracket", "[1200 x", "", 0}),
    test::caseName<ProjectCase>);

TEST(ProjectItemText, HasThePriceMarker) {
  EXPECT_EQ(gbkToUtf8(projectItemText("1001", "微信"_gbk, "0.5")), "[1001]微信 - {价格}：0.5");
}

}  // namespace
}  // namespace verdomo
