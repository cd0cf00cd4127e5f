// Balance, withdrawals, payee, manual and QR recharges.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>

#include "platform/gbk_codec.h"
#include "sim_test_support.h"
#include "support/case_name.h"

namespace verdomo::sim::test {
namespace {

using namespace std::chrono_literals;

class Funds : public SimTest {
 public:
  std::vector<std::string> balance() { return split(demo(kDockingPort, "yh_gx"), "|"); }
  std::string withdraw(std::string_view amount) {
    return demo(kPollPort, "tj", "&j=" + std::string(amount));
  }
};

// What zbarimg reads in a PNG, or "" when it reads nothing.
std::string decodeQr(const std::string& png) {
  char path[] = "/tmp/verdomo-sim-qr-XXXXXX";
  const int file = ::mkstemp(path);
  EXPECT_GE(file, 0);
  EXPECT_EQ(::write(file, png.data(), png.size()), static_cast<ssize_t>(png.size()));
  ::close(file);
  std::string text;
  if (FILE* reader = ::popen(("zbarimg --quiet --raw " + std::string(path)).c_str(), "r")) {
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, reader))
      text += buffer;
    ::pclose(reader);
  }
  ::unlink(path);
  while (!text.empty() && text.back() == '\n')
    text.pop_back();
  return text;
}

TEST_F(Funds, BalanceShowsBothAmounts) {
  EXPECT_EQ(balance(), (std::vector<std::string>{"128.50", "36.80"}));
  EXPECT_EQ(ask(kDockingPort, "/yh_gx/username=demo01&password=bad"), "用户名或密码错误");
}

TEST_F(Funds, WithdrawalIsProcessingThenSpacedTenMinutes) {
  EXPECT_EQ(withdraw("20"), "提现申请已提交，处理中");
  EXPECT_EQ(balance(), (std::vector<std::string>{"108.50", "16.80"}));
  const auto newest = split(split(demo(kRecordsPort, "tx_mx"), ",").at(0), "|");
  ASSERT_EQ(newest.size(), 6u);
  EXPECT_EQ(newest[2], "20.00");
  EXPECT_EQ(newest[4], "处理中");

  EXPECT_EQ(withdraw("10"), "每次提现需要间隔10分钟才能再次发起提现申请");
  sim.advanceClock(std::chrono::minutes(11));
  EXPECT_EQ(split(split(demo(kRecordsPort, "tx_mx"), ",").at(0), "|").at(4), "已到账");
  EXPECT_EQ(withdraw("10"), "提现申请已提交，处理中");
}

struct AmountRefusal {
  std::string name;
  friend void PrintTo(const AmountRefusal& c, std::ostream* out) { *out << c.name; }
  std::string amount;
  std::string reply;
};

class WithdrawalRefusals : public Funds, public ::testing::WithParamInterface<AmountRefusal> {};

TEST_P(WithdrawalRefusals, KeepTheMoney) {
  EXPECT_EQ(withdraw(GetParam().amount), GetParam().reply);
  EXPECT_EQ(balance(), (std::vector<std::string>{"128.50", "36.80"}));
}

INSTANTIATE_TEST_SUITE_P(Sim, WithdrawalRefusals,
                         ::testing::Values(AmountRefusal{"BelowTen", "9", "提现金额最低10元起"},
                                           AmountRefusal{"Empty", "", "提现金额格式错误"},
                                           AmountRefusal{"NotANumber", "10元", "提现金额格式错误"},
                                           AmountRefusal{"MoreThanWithdrawable", "37",
                                                         "可提现金额不足"}),
                         verdomo::test::caseName<AmountRefusal>);

TEST_F(Funds, PayeeIsNameAndAccount) {
  EXPECT_EQ(demo(kPaymentPort, "cx"), "李建国|verdomo-pay@example.com");
}

TEST_F(Funds, ManualRechargeCreditsAKnownTransferOnce) {
  const std::string tradeNo = "20260101200040011100160000000002";
  EXPECT_EQ(demo(kPollPort, "cz_tj", "&d=" + tradeNo), "充值成功，到账100.00元");
  EXPECT_EQ(balance().at(0), "228.50");
  EXPECT_EQ(split(split(demo(kRecordsPort, "cz_mx"), "|").at(0), ",").at(0), tradeNo);
  EXPECT_EQ(demo(kPollPort, "cz_tj", "&d=" + tradeNo), "该交易号已使用");
  EXPECT_EQ(demo(kPollPort, "cz_tj", "&d=20260101200040011100160000000003"),
            "转账金额低于10元，不予到账");
  EXPECT_EQ(demo(kPollPort, "cz_tj", "&d=20260101200040011100169999999999"),
            "未查询到该交易号，请确认转账已完成并备注了平台用户名");
  EXPECT_EQ(demo(kPollPort, "cz_tj", "&d=2026010120004001110016000000000"), "支付宝交易号格式错误");
  EXPECT_EQ(balance().at(0), "228.50");
}

TEST_F(Funds, QrRechargeAnswersAPngQrCodeThatIsPaidAMinuteLater) {
  const std::string png = askBytes(kPaymentPort, "/sc/username=demo01&password=demo2026&j=10.5");
  ASSERT_GE(png.size(), 8u);
  EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1A\n");
  const std::string link = decodeQr(png);
  EXPECT_EQ(link.rfind("https://pay.verdomo.example/qr/QR", 0), 0u) << link;
  EXPECT_NE(link.find("amount=10.50"), std::string::npos) << link;

  const auto pending = split(split(demo(kRecordsPort, "cz_mx"), "|").at(0), ",");
  ASSERT_EQ(pending.size(), 5u);
  EXPECT_NE(link.find(pending[0]), std::string::npos);
  EXPECT_EQ(pending[4], "等待付款");
  sim.advanceClock(61s);
  EXPECT_EQ(split(split(demo(kRecordsPort, "cz_mx"), "|").at(0), ",").at(4), "充值成功");
  EXPECT_EQ(balance().at(0), "139.00");
}

class QrRefusals : public Funds, public ::testing::WithParamInterface<AmountRefusal> {};

TEST_P(QrRefusals, AnswerTheMarkerBytesAndAGbkMessage) {
  const std::string reply =
      askBytes(kPaymentPort, "/sc/username=demo01&password=demo2026&j=" + GetParam().amount);
  ASSERT_GE(reply.size(), 3u);
  EXPECT_EQ(reply.substr(0, 3), "\xFF\x7B\xE7");
  EXPECT_EQ(gbkToUtf8(reply.substr(3)), GetParam().reply);
}

INSTANTIATE_TEST_SUITE_P(
    Sim, QrRefusals,
    ::testing::Values(AmountRefusal{"BelowTen", "9.99", "充值金额不能少于10元"},
                      AmountRefusal{"Empty", "", "充值金额格式错误"},
                      AmountRefusal{"TooMuch", "5000.01", "单笔充值金额不能超过5000元"}),
    verdomo::test::caseName<AmountRefusal>);

TEST_F(Funds, QrRefusalForWrongCredentialsUsesTheMarkerToo) {
  EXPECT_EQ(askBytes(kPaymentPort, "/sc/username=demo01&password=x&j=10"),
            "\xFF\x7B\xE7" + utf8ToGbk("用户名或密码错误"));
}

}  // namespace
}  // namespace verdomo::sim::test
