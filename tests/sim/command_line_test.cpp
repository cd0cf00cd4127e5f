// The verdomo-sim command line.
#include <gtest/gtest.h>

#include "sim/command_line.h"
#include "support/case_name.h"

namespace verdomo::sim::test {
namespace {

TEST(CommandLine, DefaultsServeTheFixedPortsPlusTwentyThousand) {
  const CommandLine line = parseCommandLine({});
  EXPECT_TRUE(line.error.empty());
  EXPECT_FALSE(line.help);
  EXPECT_EQ(line.options.portOffset, 20000);
  EXPECT_EQ(line.options.updatePort, 20080);
  EXPECT_EQ(line.options.segmentPort, 20443);
  EXPECT_EQ(line.options.publishedVersion, "1.6");
  EXPECT_EQ(line.options.smsDelay, std::chrono::seconds(10));
  EXPECT_TRUE(line.options.faults.empty());
  EXPECT_FALSE(line.options.randomFaults);
}

TEST(CommandLine, ReadsEveryOption) {
  const CommandLine line = parseCommandLine({"--port-offset",
                                             "27000",
                                             "--update-port",
                                             "8080",
                                             "--segment-port",
                                             "8443",
                                             "--published-version",
                                             "1.7",
                                             "--package",
                                             "/tmp/p.zip",
                                             "--sms-delay",
                                             "2.5",
                                             "--request-log",
                                             "/tmp/log.txt",
                                             "--seed",
                                             "7",
                                             "--fault",
                                             "yh_qm:delay:100",
                                             "--fault",
                                             "all:close",
                                             "--random-faults",
                                             "0.25:99",
                                             "--balance",
                                             "5000.5"});
  ASSERT_TRUE(line.error.empty()) << line.error;
  const SimulatorOptions& options = line.options;
  EXPECT_EQ(options.portOffset, 27000);
  EXPECT_EQ(options.updatePort, 8080);
  EXPECT_EQ(options.segmentPort, 8443);
  EXPECT_EQ(options.publishedVersion, "1.7");
  EXPECT_EQ(options.packageFile, "/tmp/p.zip");
  EXPECT_EQ(options.smsDelay, std::chrono::milliseconds(2500));
  EXPECT_EQ(options.requestLogFile, "/tmp/log.txt");
  EXPECT_EQ(options.seed, 7u);
  ASSERT_EQ(options.faults.size(), 2u);
  EXPECT_EQ(options.faults[0].endpoint, "yh_qm");
  EXPECT_EQ(options.faults[1].kind, FaultKind::Close);
  ASSERT_TRUE(options.randomFaults);
  EXPECT_EQ(options.randomFaults->share, 0.25);
  EXPECT_EQ(options.randomFaults->seed, 99u);
  EXPECT_EQ(options.demoBalance, 500050);
}

TEST(CommandLine, HelpNamesEveryOption) {
  EXPECT_TRUE(parseCommandLine({"--help"}).help);
  const std::string help = helpText();
  for (const char* option :
       {"--port-offset", "--update-port", "--segment-port", "--published-version", "--package",
        "--sms-delay", "--request-log", "--seed", "--fault", "--random-faults", "--balance",
        "--help", "demo01"})
    EXPECT_NE(help.find(option), std::string::npos) << option;
}

struct BadLine {
  std::string name;
  friend void PrintTo(const BadLine& c, std::ostream* out) { *out << c.name; }
  std::vector<std::string> arguments;
  std::string error;
};

class BadCommandLines : public ::testing::TestWithParam<BadLine> {};

TEST_P(BadCommandLines, AreRefusedWithTheReason) {
  EXPECT_EQ(parseCommandLine(GetParam().arguments).error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Sim, BadCommandLines,
    ::testing::Values(
        BadLine{"UnknownOption", {"--colour", "red"}, "unknown option --colour"},
        BadLine{"MissingValue", {"--seed"}, "--seed needs a value"},
        BadLine{"StrayArgument", {"demo"}, "unknown argument demo"},
        BadLine{"OffsetTooLarge", {"--port-offset", "27413"}, "bad value for --port-offset: 27413"},
        BadLine{"NegativeOffset", {"--port-offset", "-1"}, "bad value for --port-offset: -1"},
        BadLine{"PortNotANumber", {"--update-port", "80a"}, "bad value for --update-port: 80a"},
        BadLine{"NegativeDelay", {"--sms-delay", "-2"}, "bad value for --sms-delay: -2"},
        BadLine{"BadFault", {"--fault", "yh_qm:explode"}, "bad value for --fault: yh_qm:explode"},
        BadLine{
            "BalanceWithThreeDecimals", {"--balance", "1.005"}, "bad value for --balance: 1.005"},
        BadLine{"RandomShareAboveOne",
                {"--random-faults", "1.5"},
                "bad value for --random-faults: 1.5"}),
    verdomo::test::caseName<BadLine>);

}  // namespace
}  // namespace verdomo::sim::test
