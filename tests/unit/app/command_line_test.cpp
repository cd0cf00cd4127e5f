#include <gtest/gtest.h>

#include "app/command_line.h"
#include "session/session_state.h"

namespace verdomo {
namespace {

AppConfig defaults() {
  return {"prod.host", 0, "update.host", "https://segment.host", "/store"};
}

TEST(CommandLine, OverridesEachValue) {
  const CommandLine line = parseCommandLine(
      {"--server-host", "127.0.0.1", "--port-offset", "20000", "--update-host", "127.0.0.1:20080",
       "--segment-url", "https://127.0.0.1:20443", "--store-dir", "/tmp/s"},
      defaults());
  ASSERT_FALSE(line.exitText);
  EXPECT_EQ(line.config.serverHost, "127.0.0.1");
  EXPECT_EQ(line.config.portOffset, 20000);
  EXPECT_EQ(line.config.updateHost, "127.0.0.1:20080");
  EXPECT_EQ(line.config.segmentUrl, "https://127.0.0.1:20443");
  EXPECT_EQ(line.config.storeDir, "/tmp/s");
}

TEST(CommandLine, KeepsTheDefaultsWithoutOptions) {
  const CommandLine line = parseCommandLine({}, defaults());
  EXPECT_FALSE(line.exitText);
  EXPECT_EQ(line.config.serverHost, "prod.host");
  EXPECT_EQ(line.config.storeDir, "/store");
}

TEST(CommandLine, HelpAndMistakesEndTheProgram) {
  const CommandLine help = parseCommandLine({"--help"}, defaults());
  ASSERT_TRUE(help.exitText);
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_NE(help.exitText->find("--port-offset"), std::string::npos);
  EXPECT_NE(help.exitText->find("--version"), std::string::npos);

  // The version is the one the update check compares with the published one.
  const CommandLine version = parseCommandLine({"--server-host", "x", "--version"}, defaults());
  ASSERT_TRUE(version.exitText);
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(*version.exitText, std::string(kClientVersion) + "\n");

  for (const std::vector<std::string>& wrong : {std::vector<std::string>{"--port-offset", "abc"},
                                                {"--port-offset", "-5"},
                                                {"--port-offset"},
                                                {"--colour", "blue"}}) {
    const CommandLine line = parseCommandLine(wrong, defaults());
    ASSERT_TRUE(line.exitText) << wrong[0];
    EXPECT_EQ(line.exitCode, 2);
  }
}

}  // namespace
}  // namespace verdomo
