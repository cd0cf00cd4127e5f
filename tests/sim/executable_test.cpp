// verdomo-sim as people start it: one command, ports printed, requests answered, a clean stop.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <thread>

#include "platform/gbk_codec.h"
#include "sim_test_support.h"

namespace verdomo::sim::test {
namespace {

using namespace std::chrono_literals;

struct Started {
  pid_t pid = -1;
  std::string banner;  // what it printed before it was ready
};

// Starts the executable and reads its banner; pid -1 when it ended at once (a port was taken).
Started start(const std::vector<std::string>& arguments) {
  int output[2];
  if (::pipe(output) != 0) return {};
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::dup2(output[1], STDOUT_FILENO);
    ::close(output[0]);
    ::close(output[1]);
    std::vector<char*> argv{const_cast<char*>(VERDOMO_SIM_EXECUTABLE)};
    for (const std::string& argument : arguments)
      argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  ::close(output[1]);
  Started started{pid, {}};
  FILE* reader = ::fdopen(output[0], "r");
  char line[512];
  while (std::fgets(line, sizeof line, reader)) {
    started.banner += line;
    if (started.banner.find("Ctrl-C") != std::string::npos) break;
  }
  std::fclose(reader);
  if (started.banner.find("Ctrl-C") == std::string::npos) {
    ::waitpid(pid, nullptr, 0);
    started.pid = -1;
  }
  return started;
}

int stop(pid_t pid) {
  ::kill(pid, SIGTERM);
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The port after "127.0.0.1:" on the banner line that holds `marker`, or 0.
int portIn(const std::string& banner, std::string_view marker) {
  for (const std::string& line : split(banner, "\n")) {
    const std::size_t host = line.find("127.0.0.1:");
    if (line.find(marker) != std::string::npos && host != std::string::npos)
      return std::atoi(line.c_str() + host + 10);
  }
  return 0;
}

TEST(Executable, StartsWithOneCommandAnswersAndStopsCleanly) {
  std::mt19937 random{std::random_device{}()};
  Started sim;
  for (int attempt = 0; attempt < 5 && sim.pid < 0; ++attempt) {
    const int offset = std::uniform_int_distribution<int>(1000, 27000)(random);
    sim = start({"--port-offset", std::to_string(offset), "--update-port", "0", "--segment-port",
                 "0", "--sms-delay", "0.5"});
  }
  ASSERT_GT(sim.pid, 0) << "no free port offset";
  const int account = portIn(sim.banner, "(82:");
  const int number = portIn(sim.banner, "(81:");
  const int poll = portIn(sim.banner, "(38123:");
  const int update = portIn(sim.banner, "/yh.txt");
  const int segment = portIn(sim.banner, "https://");
  ASSERT_TRUE(account && number && poll && update && segment) << sim.banner;
  EXPECT_EQ(poll - account, 38123 - 82);

  const std::string credentials = "username=demo01&password=demo2026";
  auto get = [](int port, const std::string& target) {
    return httpGet("http://127.0.0.1:" + std::to_string(port) + target).body;
  };
  EXPECT_GE(split(get(account, "/sign/" + credentials), "|").size(), 11u);
  const auto beforeTake = std::chrono::steady_clock::now();
  const std::string taken =
      get(number, "/yh_qh/" + credentials + "&id=1100&operator=&region=&card=&loop=1");
  ASSERT_THAT(taken, ::testing::MatchesRegex("1\\|1[0-9]{10}"));
  const std::string phone = taken.substr(2);
  const std::string pollTarget = "/yh_qm/" + credentials + "&id=1100&phone=" + phone;
  // Polled until the SMS is there, which must not be before the delay, however late it comes.
  std::string reply = gbkToUtf8(get(poll, pollTarget));
  while (reply.substr(0, 2) != "1|") {
    ASSERT_EQ(reply, "0|" + phone + "|没有收到短信");
    ASSERT_LT(std::chrono::steady_clock::now() - beforeTake, 30s) << "the SMS never came";
    std::this_thread::sleep_for(20ms);
    reply = gbkToUtf8(get(poll, pollTarget));
  }
  EXPECT_GE(std::chrono::steady_clock::now() - beforeTake, 500ms);
  EXPECT_THAT(reply, ::testing::MatchesRegex("1\\|[0-9]{11}\\|[^0-9]*[0-9]{4,6}[^0-9].*"));
  EXPECT_NE(gbkToUtf8(get(update, "/yh.txt")).find("版本号:"), std::string::npos);
  EXPECT_NE(gbkToUtf8(httpGet("https://127.0.0.1:" + std::to_string(segment) +
                              "/cc/json/mobile_tel_segment.htm?tel=" + phone)
                          .body)
                .find("province:'"),
            std::string::npos);

  EXPECT_EQ(stop(sim.pid), 0);
}

TEST(Executable, SigusrOneSwitchesTheRandomFaultsOffAndOn) {
  std::mt19937 random{std::random_device{}()};
  Started sim;
  for (int attempt = 0; attempt < 5 && sim.pid < 0; ++attempt) {
    const int offset = std::uniform_int_distribution<int>(1000, 27000)(random);
    sim = start({"--port-offset", std::to_string(offset), "--update-port", "0", "--segment-port",
                 "0", "--random-faults", "1"});
  }
  ASSERT_GT(sim.pid, 0) << "no free port offset";
  const std::string version =
      "http://127.0.0.1:" + std::to_string(portIn(sim.banner, "/yh.txt")) + "/yh.txt";
  // Every reply spoilt; the delays that keep the reply whole are cut short by a second.
  auto intact = [&] {
    return rawExchange(portIn(sim.banner, "/yh.txt"),
                       "GET /yh.txt HTTP/1.1\r\nConnection: close\r\n\r\n", 1s)
        .ends_with("1.6");
  };
  // The signal is handled on the simulator's main thread: wait until the switch shows.
  auto switchFaults = [&](bool on) {
    ::kill(sim.pid, SIGUSR1);
    for (int i = 0; i < 50 && (on ? intact() : !httpGet(version).ok); ++i)
      std::this_thread::sleep_for(100ms);
  };
  int whole = 0;
  for (int i = 0; i < 6; ++i)
    whole += intact();
  EXPECT_LE(whole, 2);  // only a short delay under a second comes through
  switchFaults(false);
  for (int i = 0; i < 6; ++i)
    EXPECT_TRUE(httpGet(version).ok);
  switchFaults(true);
  whole = 0;
  for (int i = 0; i < 6; ++i)
    whole += intact();
  EXPECT_LE(whole, 2);
  EXPECT_EQ(stop(sim.pid), 0);
}

TEST(Executable, RefusesABadCommandLineAndATakenPort) {
  const Simulator running(SimulatorOptions::forTests());
  const std::string offset = std::to_string(running.portOffset());
  EXPECT_EQ(start({"--port-offset", offset, "--update-port", "0", "--segment-port", "0"}).pid, -1);
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::execl(VERDOMO_SIM_EXECUTABLE, VERDOMO_SIM_EXECUTABLE, "--nonsense", nullptr);
    ::_exit(127);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  EXPECT_EQ(WEXITSTATUS(status), 2);
}

}  // namespace
}  // namespace verdomo::sim::test
