// The request log: one flushed line per request with time, port and the raw target.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "sim_test_support.h"

namespace verdomo::sim::test {
namespace {

class RequestLogging : public SimTest {
 public:
  RequestLogging() : SimTest(withLog()) {}
  ~RequestLogging() override { ::unlink(path().c_str()); }

  static const std::string& path() {
    static const std::string file = "/tmp/verdomo-sim-log-" + std::to_string(::getpid()) + ".txt";
    return file;
  }
  static SimulatorOptions withLog() {
    ::unlink(path().c_str());
    SimulatorOptions options = SimulatorOptions::forTests();
    options.requestLogFile = path();
    return options;
  }
  std::vector<std::string> lines() const {
    std::ifstream file(path());
    std::vector<std::string> all;
    for (std::string line; std::getline(file, line);)
      all.push_back(line);
    return all;
  }
};

TEST_F(RequestLogging, ShowsEveryRawTargetWithItsPortAtOnce) {
  // The target goes out as the client's transport escapes it: "悦" and the space as escapes.
  ask(kProjectPort, "/liebiao_xm/username=demo01&password=demo2026&lx=1&ss=悦 ");
  httpGet("http://127.0.0.1:" + std::to_string(sim.updatePort()) + "/yh.txt");
  httpGet("https://127.0.0.1:" + std::to_string(sim.segmentPort()) +
          "/cc/json/mobile_tel_segment.htm?tel=13800138000");
  rawExchange(sim.platformPort(kAccountPort), "nonsense\r\n\r\n");

  // Read while the simulator runs: every line is on disk as soon as the reply is.
  const std::vector<std::string> logged = lines();
  ASSERT_EQ(logged.size(), 4u);
  const std::pair<int, std::string> expected[] = {
      {sim.platformPort(kProjectPort),
       "/liebiao_xm/username=demo01&password=demo2026&lx=1&ss=%E6%82%A6%20"},
      {sim.updatePort(), "/yh.txt"},
      {sim.segmentPort(), "/cc/json/mobile_tel_segment.htm?tel=13800138000"},
      {sim.platformPort(kAccountPort), "(malformed request)"}};
  for (std::size_t i = 0; i < logged.size(); ++i) {
    // "2026-12-10 14:03:05.123 20082 /sign/…"
    ASSERT_GT(logged[i].size(), 24u);
    EXPECT_THAT(logged[i].substr(0, 23),
                ::testing::MatchesRegex("[0-9]{4}-[0-9]{2}-[0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2}"
                                        "\\.[0-9]{3}"));
    EXPECT_EQ(logged[i].substr(23),
              " " + std::to_string(expected[i].first) + " " + expected[i].second);
  }
}

}  // namespace
}  // namespace verdomo::sim::test
