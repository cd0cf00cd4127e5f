// The favourites workers against a scripted platform, with ports that record what they were
// told in order.
#include "projects/favourites_workers.h"

#include <gtest/gtest.h>

#include "api/service_address.h"
#include "support/call_log.h"
#include "support/gbk_test_text.h"
#include "support/scripted_http_server.h"

namespace verdomo::test {
namespace {

std::string joined(const std::vector<GbkText>& texts) {
  std::string line;
  for (const GbkText& text : texts)
    line += (line.empty() ? "" : ",") + gbkToUtf8(text);
  return line;
}

class LoggingReceivePort final : public ReceiveFavouritesPort {
 public:
  explicit LoggingReceivePort(CallLog& log) : log_(log) {}
  void setMainWindowEnabled(bool enabled) override { log_.add(enabled ? "enable" : "disable"); }
  void clearProjects() override { log_.add("clear"); }
  void showProjects(const std::vector<GbkText>& items) override {
    log_.add("show " + joined(items));
  }

 private:
  CallLog& log_;
};

class LoggingSendPort final : public SendFavouritesPort {
 public:
  explicit LoggingSendPort(CallLog& log) : log_(log) {}
  void setMainWindowEnabled(bool enabled) override { log_.add(enabled ? "enable" : "disable"); }
  void emptySendProjectLines() override { log_.add("empty lines"); }
  void clearProjects() override { log_.add("clear"); }
  void showProjects(const GbkText& lines, const std::vector<GbkText>& items,
                    const std::optional<std::vector<GbkText>>& numbers) override {
    log_.add("show " + joined(items) + (numbers ? " numbers " + joined(*numbers) : "") + " lines " +
             gbkToUtf8(lines));
  }

 private:
  CallLog& log_;
};

class FavouritesWorkersTest : public testing::Test {
 protected:
  FavouritesRequest request() const {
    return {buildServiceAddresses("127.0.0.1", server.port() - 83), {"demo01", "pw"}};
  }

  GbkText reply;
  ScriptedHttpServer server{[this](const ScriptedRequest&) { return ScriptedReply::text(reply); }};
  HttpSession session;
  CallLog log;
  LoggingPause pause{log};
};

TEST_F(FavouritesWorkersTest, ReceiveRunDisablesSettlesClearsThenShowsTheItems) {
  reply = utf8ToGbk("1001#c-甲#c-0.5#c+1002#c-乙#c-1.0#c+2001#c-丙(发送号码:1)#c-0.1");
  LoggingReceivePort port(log);
  ReceiveFavouritesWorker(session, pause, request(), port).run();
  EXPECT_EQ(log.calls, (Texts{"disable", "pause 300", "clear",
                              "show [1002]乙 - {价格}：1.0,[1001]甲 - {价格}：0.5", "enable"}));
  ASSERT_EQ(server.requests().size(), 1u);
  EXPECT_EQ(server.requests()[0].target, "/xiangmu_ysc/username=demo01&password=pw");
}

TEST_F(FavouritesWorkersTest, ReceiveRunWithoutFavouritesShowsThePlaceholder) {
  for (const char* answer : {"", "0|用户名或密码错误", "2001#c-丙(发送号码:1)#c-0.1"}) {
    log.calls.clear();
    reply = utf8ToGbk(answer);
    LoggingReceivePort port(log);
    ReceiveFavouritesWorker(session, pause, request(), port).run();
    EXPECT_EQ(log.calls.at(3), "show 您未收藏[短信项目]，可通过关键字或项目ID进行搜索。") << answer;
  }
}

TEST_F(FavouritesWorkersTest, SendRunPublishesTheLinesAndTheSenderNumbers) {
  reply = utf8ToGbk(
      "2001#c-某服务(发送号码:10690#10691)#c-0.10#c+1001#c-甲#c-0.5#c+"
      "2002#c-另一个(发送号码:10086)#c-0.20");
  LoggingSendPort port(log);
  SendFavouritesWorker(session, pause, request(), port).run();
  EXPECT_EQ(log.calls,
            (Texts{"empty lines", "disable", "pause 300", "clear",
                   "show [2002]另一个 - {价格}：0.20 - (发短信),[2001]某服务 - {价格}：0.10 - "
                   "(发短信) numbers 10086,10690,10691 lines "
                   "另一个(发送号码:10086)\r\n某服务(发送号码:10690#10691)\r\n",
                   "enable"}));
  ASSERT_EQ(server.requests().size(), 1u);
  EXPECT_EQ(server.requests()[0].target, "/xiangmu_ysc/username=demo01&password=pw&l=1");
}

TEST_F(FavouritesWorkersTest, SendRunWithoutSendFavouritesLeavesTheSenderNumbers) {
  reply = utf8ToGbk("1001#c-甲#c-0.5#c+1003#c-发送验证#c-1");
  LoggingSendPort port(log);
  SendFavouritesWorker(session, pause, request(), port).run();
  EXPECT_EQ(log.calls.at(4), "show 您未收藏[发短信项目]，可通过关键字或项目ID进行搜索。 lines ");
}

}  // namespace
}  // namespace verdomo::test
