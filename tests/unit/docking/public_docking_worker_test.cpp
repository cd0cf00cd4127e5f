// One run of the public docking list against a scripted platform, with a page port that logs.
#include "docking/public_docking_worker.h"

#include <gtest/gtest.h>

#include "api/service_address.h"
#include "support/call_log.h"
#include "support/gbk_test_text.h"
#include "support/scripted_http_server.h"

namespace verdomo::test {
namespace {

class RecordingPublicPort final : public PublicDockingPort {
 public:
  explicit RecordingPublicPort(CallLog& log) : log_(log) {}
  void clearList() override { log_.add("clear"); }
  void startBusy() override { log_.add("busy"); }
  void setBarValue(int value) override { log_.add("bar " + std::to_string(value)); }
  void showRecords(const std::vector<DockingRecord>& records) override {
    std::string call = "show";
    for (const DockingRecord& record : records)
      call += " " + gbkToUtf8(record.code + "/" + record.name + "/" + record.state);
    log_.add(call);
  }
  void endBusy() override { log_.add("done"); }
  void sayUnanswered(TransportFailure failure) override {
    log_.add(failure == TransportFailure::Refused ? "unanswered: refused" : "unanswered");
  }

 private:
  CallLog& log_;
};

TEST(PublicDockingWorker, ClearsRunsTheBarAsksThenShowsTheRecordsWhole) {
  ScriptedHttpServer server([](const ScriptedRequest&) {
    return ScriptedReply::text(
        utf8ToGbk("正常#c-CODE1234567890#c-某服务#c-0.30#c-x#c-12#c-a#c-b#c-c#c+"
                  "正常#c-SHORT#c-某站#c-0.10#c-x#c-1#c-a#c-b#c+"
                  "正常#c-ABCDEFGHJKLMN#c-云途(发送号码:1069)#c-0.20#c-x#c-35#c-a#c-b#c-c"));
  });
  DockingRequest request{buildServiceAddresses("127.0.0.1", server.port() - 85), {"demo01", "pw"}};
  CallLog log;
  LoggingPause pause(log);
  LoggingRequester requester(log);
  RecordingPublicPort port(log);
  PublicDockingWorker(requester, pause, request, port).run();
  EXPECT_EQ(log.calls, (Texts{"clear", "busy", "bar 20", "pause 100", "bar 40", "pause 100",
                              "bar 60", "pause 100", "bar 80", "pause 100", "bar 100", "pause 100",
                              "get /yh_zs_gk_lb/username=demo01&password=pw",
                              "show CODE1234567890/某服务/正常 ABCDEFGHJKLMN/云途/正常", "done"}));
}

// A list that stays empty for want of a reply is explained once the window is usable again; an
// empty answer of the platform is not.
TEST(PublicDockingWorker, ARequestThatGotNoReplyIsSaidAfterTheBusyEnds) {
  int closedPort = 0;
  {
    ScriptedHttpServer gone([](const ScriptedRequest&) { return ScriptedReply{}; });
    closedPort = gone.port();
  }
  ScriptedHttpServer empty([](const ScriptedRequest&) { return ScriptedReply::text(""); });
  for (const int port : {closedPort, empty.port()}) {
    DockingRequest request{buildServiceAddresses("127.0.0.1", port - 85), {"demo01", "pw"}};
    CallLog log;
    LoggingPause pause(log);
    LoggingRequester requester(log);
    RecordingPublicPort recorder(log);
    PublicDockingWorker(requester, pause, request, recorder).run();
    const Texts tail(log.calls.end() - 2, log.calls.end());
    if (port == closedPort) {
      EXPECT_EQ(tail, (Texts{"done", "unanswered: refused"}));
    } else {
      EXPECT_EQ(tail, (Texts{"show", "done"}));
    }
  }
}

}  // namespace
}  // namespace verdomo::test
