// The province lookup: reading the segment service's reply, and the pass over the number list
// against a scripted service.
#include "receive/attribution_worker.h"

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <ostream>
#include <stop_token>
#include <string>
#include <vector>

#include "support/call_log.h"
#include "support/case_name.h"
#include "support/gbk_test_text.h"
#include "support/scripted_http_server.h"
#include "support/test_servers.h"

namespace verdomo::test {
namespace {

struct ProvinceCase {
  std::string name;
  std::string reply;  // UTF-8; the service answers in GBK
  std::string province;
};

void PrintTo(const ProvinceCase& c, std::ostream* out) {
  *out << c.name;
}

class ProvinceReplies : public testing::TestWithParam<ProvinceCase> {};

TEST_P(ProvinceReplies, GiveTheProvinceFragmentOrUnknown) {
  const ProvinceCase& c = GetParam();
  RegexMatcher matcher;
  EXPECT_EQ(gbkToUtf8(provinceFromReply(matcher, utf8ToGbk(c.reply))), c.province);
}

INSTANTIATE_TEST_SUITE_P(
    Replies, ProvinceReplies,
    testing::Values(
        ProvinceCase{"Province",
                     "__GetZoneResult_ = {mts:'1380013',province:'广东',catName:'中国移动'}",
                     "广东"},
        ProvinceCase{"LongerName", "{province:'黑龙江',catName:'中国联通'}", "黑龙江"},
        ProvinceCase{"NoFragment", "__GetZoneResult_ = {mts:'1380013'}", "未知"},
        ProvinceCase{"EmptyProvince", "{province:'',catName:'中国移动'}", "未知"},
        ProvinceCase{"FragmentNeedsTheComma", "{province:'广东'}", "未知"},
        ProvinceCase{"FirstOfTwoFragments", "{province:'浙江',x:1} {province:'广东',}", "浙江"},
        ProvinceCase{"ShortestFragment", "{province:'内蒙古',catName:'a',b:'c',}", "内蒙古"},
        ProvinceCase{"KeyInCapitals", "{PROVINCE:'广西',}", "广西"},
        ProvinceCase{"EmptyReply", "", "未知"}),
    caseName<ProvinceCase>);

struct AttributionRow {
  RowId id = 0;
  GbkText phone;
  GbkText province;
};

// The number list as the lookup sees it; province writes are logged and land only on the row
// with that identity while it still holds that number.
class RecordingAttributionPort final : public AttributionPort {
 public:
  explicit RecordingAttributionPort(CallLog& log) : log_(log) {}

  std::vector<AttributionRow> rows;

  int rowCount() override { return static_cast<int>(rows.size()); }
  std::optional<AttributedRow> provinceRowAt(int index) override {
    if (index < 0 || index >= rowCount()) return std::nullopt;
    const AttributionRow& row = rows[static_cast<std::size_t>(index)];
    return AttributedRow{row.id, row.phone, row.province};
  }
  void setProvince(RowId id, const GbkText& phone, const GbkText& province) override {
    log_.add("province " + gbkToUtf8(phone) + " " + gbkToUtf8(province));
    for (AttributionRow& row : rows) {
      if (row.id == id && row.phone == phone) row.province = province;
    }
  }

 private:
  CallLog& log_;
};

class AttributionTest : public testing::Test {
 protected:
  Texts targets() const {
    Texts texts;
    for (const ScriptedRequest& r : server.requests())
      texts.push_back(r.target);
    return texts;
  }

  // Replies by the number asked for (UTF-8); any other number gets the empty body.
  std::map<std::string, std::string> replies;
  ScriptedHttpServer server{[this](const ScriptedRequest& r) {
    const std::size_t at = r.target.find("?tel=");
    const auto found = replies.find(at == std::string::npos ? "" : r.target.substr(at + 5));
    return ScriptedReply::text(found == replies.end() ? "" : utf8ToGbk(found->second));
  }};
  void runPass(std::string_view segmentBase) {
    AttributionWorker(session, pause, segmentBase, port).runPass();
  }

  HttpSession session;
  CallLog log;
  LoggingPause pause{log};
  RecordingAttributionPort port{log};
};

TEST_F(AttributionTest, LooksUpEveryNumberWithoutAProvinceOnce) {
  port.rows = {{1, "13800138000", ""},
               {2, "", ""},
               {3, "13900139000", "广东"_gbk},
               {4, "15000150000", ""},
               {5, "18600186000", ""}};
  replies = {{"13800138000", "{mts:'1380013',province:'广东',catName:'中国移动'}"},
             {"15000150000", "{mts:'1500015'}"}};
  runPass(server.baseUrl());

  EXPECT_EQ(targets(), (Texts{"/cc/json/mobile_tel_segment.htm?tel=13800138000",
                              "/cc/json/mobile_tel_segment.htm?tel=15000150000",
                              "/cc/json/mobile_tel_segment.htm?tel=18600186000"}));
  EXPECT_EQ(log.calls, (Texts{"province 13800138000 广东", "province 15000150000 未知",
                              "province 18600186000 未知", "pause 500"}));

  log.calls.clear();
  runPass(server.baseUrl());
  EXPECT_EQ(server.requests().size(), 3u);
  EXPECT_EQ(log.calls, (Texts{"pause 500"}));
}

TEST_F(AttributionTest, AsksTheServiceOverHttps) {
  SelfSignedHttpsServer https(utf8ToGbk("__GetZoneResult_ = {province:'浙江',}"));
  port.rows = {{1, "13800138000", ""}};
  runPass(https.baseUrl());
  EXPECT_EQ(gbkToUtf8(port.rows[0].province), "浙江");
}

TEST_F(AttributionTest, AClosedServiceGivesUnknown) {
  int closedPort = 0;
  {
    ScriptedHttpServer gone([](const ScriptedRequest&) { return ScriptedReply::text(""); });
    closedPort = gone.port();
  }
  port.rows = {{1, "13800138000", ""}};
  runPass("http://127.0.0.1:" + std::to_string(closedPort));
  EXPECT_EQ(log.calls, (Texts{"province 13800138000 未知", "pause 500"}));
}

TEST_F(AttributionTest, AServiceThatNeverAnswersGivesUpAfterFiveSeconds) {
  UnansweredListener host;
  port.rows = {{1, "13800138000", ""}};
  const auto start = std::chrono::steady_clock::now();
  runPass("https://127.0.0.1:" + std::to_string(host.port()));
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_EQ(gbkToUtf8(port.rows[0].province), "未知");
  EXPECT_GE(elapsed.count(), 4.5);
  EXPECT_LE(elapsed.count(), 9.0);  // the lookup's own time-outs, not the platform's 15 s
}

// Ends the worker after its first pass.
class StopAfterFirstPause final : public Pause {
 public:
  explicit StopAfterFirstPause(CallLog& log) : log_(log) {}
  std::stop_token token() const { return source_.get_token(); }
  void pause(int milliseconds) override {
    log_.add("pause " + std::to_string(milliseconds));
    source_.request_stop();
  }

 private:
  CallLog& log_;
  std::stop_source source_;
};

TEST_F(AttributionTest, TheWorkerLooksUpUntilItIsStopped) {
  port.rows = {{1, "13800138000", ""}};
  replies = {{"13800138000", "{province:'广东',}"}};
  StopAfterFirstPause stopping(log);
  HttpSession own;
  AttributionWorker(own, stopping, server.baseUrl(), port).run(stopping.token());
  EXPECT_EQ(log.calls, (Texts{"province 13800138000 广东", "pause 500"}));
}

}  // namespace
}  // namespace verdomo::test
