// Send orders (port 1780) and their outcome through the poll.
#include <gtest/gtest.h>

#include "sim_test_support.h"
#include "support/case_name.h"

namespace verdomo::sim::test {
namespace {

using namespace std::chrono_literals;

class Sending : public SimTest {
 public:
  Sending() {
    sim.setSmsDelay(5s);
    phone = takeNumber("&id=2001&operator=&region=&card=&loop=1");
  }
  std::string send(std::string_view rest) { return demo(kSendPort, "fdx_tj", rest); }
  std::string order(std::string_view serviceNumber, std::string_view content) {
    return send("&id=2001&send=" + std::string(serviceNumber) + "&phone=" + phone +
                "&content=" + std::string(content));
  }
  std::string poll() { return demo(kPollPort, "yh_qm", "&id=2001&phone=" + phone); }

  std::string phone;
};

TEST_F(Sending, OutcomeArrivesThroughThePollAfterTheDelay) {
  EXPECT_EQ(poll(), "0|" + phone + "|没有收到短信");
  EXPECT_EQ(order("10691", "注册 验证 A1"), "提交成功，请等待发送结果");
  EXPECT_EQ(order("10691", "再来一次"), "该号码已提交发送，请等待发送结果");
  EXPECT_EQ(poll(), "0|" + phone + "|没有收到短信");
  sim.advanceClock(6s);
  EXPECT_EQ(poll(), "1|" + phone + "|发送成功：短信已由" + phone + "发送至10691");
  EXPECT_EQ(order("10691", "又一次"), "该号码已发送过短信，请重新取号");
  // The sent text is charged and recorded with its content.
  const auto newest = split(split(demo(kRecordsPort, "yh_mx"), "|").at(2), "#c-");
  ASSERT_GE(newest.size(), 6u);
  EXPECT_EQ(newest[0], "2001");
  EXPECT_EQ(newest[4], "注册 验证 A1");
}

TEST_F(Sending, BannedWordsFail) {
  EXPECT_EQ(order("10690", "代开发票"), "提交成功，请等待发送结果");
  sim.advanceClock(6s);
  const auto fields = split(poll(), "|");
  ASSERT_EQ(fields.size(), 3u);
  EXPECT_EQ(fields[0], "1");
  EXPECT_NE(fields[2].find("失败"), std::string::npos);
  EXPECT_EQ(fields[2].find("成功"), std::string::npos);
}

struct SendRefusal {
  std::string name;
  friend void PrintTo(const SendRefusal& c, std::ostream* out) { *out << c.name; }
  std::string rest;  // "{phone}" stands for the held number
  std::string reply;
};

class SendRefusals : public Sending, public ::testing::WithParamInterface<SendRefusal> {};

TEST_P(SendRefusals, AnswerTheReason) {
  std::string rest = GetParam().rest;
  if (const auto at = rest.find("{phone}"); at != std::string::npos) rest.replace(at, 7, phone);
  EXPECT_EQ(send(rest), GetParam().reply);
}

INSTANTIATE_TEST_SUITE_P(
    Sim, SendRefusals,
    ::testing::Values(
        SendRefusal{"WrongServiceNumber", "&id=2001&send=10692&phone={phone}&content=hi",
                    "发送号码错误"},
        SendRefusal{"EmptyContent",
                    "&id=2001&send=10690&phone={phone}&content=", "发送内容不能为空"},
        SendRefusal{"TooLong",
                    "&id=2001&send=10690&phone={phone}&content=" + std::string(71, 'x') +
                        std::string(70, 'y'),
                    "发送内容不能超过70个字"},
        SendRefusal{"ReceiveProject", "&id=1001&send=10690&phone={phone}&content=hi",
                    "该项目不是发短信项目"},
        SendRefusal{"OtherSendProject", "&id=2002&send=10690&phone={phone}&content=hi",
                    "号码不属于该项目"},
        SendRefusal{"NumberNotHeld", "&id=2001&send=10690&phone=13800000000&content=hi",
                    "号码不存在或已释放"},
        SendRefusal{"UnknownProject", "&id=x&send=10690&phone={phone}&content=hi", "项目不存在"}),
    verdomo::test::caseName<SendRefusal>);

}  // namespace
}  // namespace verdomo::sim::test
