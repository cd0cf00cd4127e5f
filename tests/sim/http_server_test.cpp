// The server under the platform: keep-alive, pipelining, bad input, bursts, stopping.
#include <arpa/inet.h>
#include <curl/curl.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <thread>

#include "platform/gbk_codec.h"
#include "sim/http/listener.h"
#include "sim_test_support.h"
#include "support/case_name.h"

namespace verdomo::sim::test {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using Server = SimTest;

std::size_t discard(char*, std::size_t size, std::size_t count, void*) {
  return size * count;
}

const std::string kSignIn = "/sign/username=demo01&password=demo2026";

// How fast those requests go (Nagle's algorithm would hold each for an acknowledgement) is
// measured in bench/sim_bench.cpp, not asserted here.
TEST_F(Server, OneKeptAliveConnectionCarriesManyRequests) {
  CURL* curl = curl_easy_init();
  const std::string url = platformUrl(kAccountPort, kSignIn);
  curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &discard);
  long connections = 0;
  for (int i = 0; i < 50; ++i) {
    ASSERT_EQ(curl_easy_perform(curl), CURLE_OK);
    long opened = 0;
    curl_easy_getinfo(curl, CURLINFO_NUM_CONNECTS, &opened);
    connections += opened;
  }
  EXPECT_EQ(connections, 1);
  curl_easy_cleanup(curl);
}

TEST_F(Server, PipelinedRequestsAreAnsweredInOrder) {
  const std::string reply =
      rawExchange(sim.platformPort(kAccountPort),
                  "GET /sign/username=demo01&password=x HTTP/1.1\r\nHost: a\r\n\r\n"
                  "GET " +
                      kSignIn + " HTTP/1.1\r\nHost: a\r\nConnection: close\r\n\r\n");
  const std::size_t first = reply.find(utf8ToGbk("0|密码错误"));
  const std::size_t second = reply.find(utf8ToGbk("普通用户"));
  ASSERT_NE(first, std::string::npos) << reply;
  ASSERT_NE(second, std::string::npos);
  EXPECT_LT(first, second);
  EXPECT_EQ(reply.rfind("HTTP/1.1 200 OK", 0), 0u);
}

struct BadRequest {
  std::string name;
  friend void PrintTo(const BadRequest& c, std::ostream* out) { *out << c.name; }
  std::string bytes;
  std::string status;  // the status line's code
  std::string text;    // UTF-8 body
};

class BadRequests : public SimTest, public ::testing::WithParamInterface<BadRequest> {};

TEST_P(BadRequests, GetARefusalAndTheServerCarriesOn) {
  const std::string reply = rawExchange(sim.platformPort(kAccountPort), GetParam().bytes);
  EXPECT_EQ(reply.substr(0, 12), "HTTP/1.1 " + GetParam().status) << reply.substr(0, 40);
  EXPECT_EQ(gbkToUtf8(reply.substr(reply.find("\r\n\r\n") + 4)), GetParam().text);
  EXPECT_EQ(split(ask(kAccountPort, kSignIn), "|").size(), 11u);
}

INSTANTIATE_TEST_SUITE_P(
    Sim, BadRequests,
    ::testing::Values(
        BadRequest{"NotHttp", "hello there\r\n\r\n", "400", "请求格式错误"},
        BadRequest{"UnknownVersion", "GET / HTTP/2.0\r\n\r\n", "400", "请求格式错误"},
        BadRequest{"HeaderWithoutColon", "GET / HTTP/1.1\r\nBroken\r\n\r\n", "400", "请求格式错误"},
        BadRequest{"ChunkedBody", "GET / HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n0\r\n\r\n",
                   "400", "请求格式错误"},
        BadRequest{"OverlongTarget", "GET /sign/" + std::string(20000, 'a') + " HTTP/1.1\r\n\r\n",
                   "414", "请求过长"},
        BadRequest{"EndlessHead", "GET / HTTP/1.1\r\nX: " + std::string(40000, 'b'), "414",
                   "请求过长"},
        BadRequest{"HugeBody", "GET / HTTP/1.1\r\nContent-Length: 99999999\r\n\r\n", "413",
                   "请求过长"},
        BadRequest{
            "Post",
            "POST " + kSignIn + " HTTP/1.1\r\nContent-Length: 2\r\nConnection: close\r\n\r\nab",
            "405", "请求方式错误"},
        BadRequest{"UnknownPath", "GET /nothing/here HTTP/1.1\r\nConnection: close\r\n\r\n", "404",
                   "0|接口不存在"},
        BadRequest{"Root", "GET / HTTP/1.1\r\nConnection: close\r\n\r\n", "404", "0|接口不存在"},
        BadRequest{"OtherGroupsPort",
                   "GET /yh_qh/username=demo01&password=demo2026&id=1001 HTTP/1.1\r\n"
                   "Connection: close\r\n\r\n",
                   "404", "0|接口不存在"},
        BadRequest{"BareLineFeeds",
                   "GET /sign/username=a&password=b HTTP/1.1\nConnection: close\n\n", "200",
                   "0|用户名不存在"}),
    verdomo::test::caseName<BadRequest>);

TEST_F(Server, HttpOneZeroClosesUnlessAskedToKeepAlive) {
  const std::string closed =
      rawExchange(sim.platformPort(kAccountPort), "GET " + kSignIn + " HTTP/1.0\r\n\r\n");
  EXPECT_NE(closed.find("Connection: close"), std::string::npos);
  // Kept alive, the server waits for more: the exchange ends by our time-out, not a close.
  const auto start = Clock::now();
  const std::string kept =
      rawExchange(sim.platformPort(kAccountPort),
                  "GET " + kSignIn + " HTTP/1.0\r\nConnection: keep-alive\r\n\r\n", 300ms);
  EXPECT_NE(kept.find("Connection: keep-alive"), std::string::npos);
  EXPECT_GE(Clock::now() - start, 290ms);
}

TEST_F(Server, BurstOfConcurrentClientsIsAnsweredInFull) {
  std::atomic<int> good{0};
  std::vector<std::thread> clients;
  for (int c = 0; c < 40; ++c) {
    clients.emplace_back([&] {
      for (int i = 0; i < 10; ++i)
        if (split(ask(kAccountPort, kSignIn), "|").size() == 11) ++good;
    });
  }
  for (std::thread& client : clients)
    client.join();
  EXPECT_EQ(good.load(), 400);
}

TEST(Listener, BindsTheLoopbackAddressOnly) {
  const int socket = listenOnLoopback(0);
  ASSERT_GE(socket, 0);
  sockaddr_in address{};
  socklen_t length = sizeof address;
  ASSERT_EQ(::getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length), 0);
  EXPECT_EQ(ntohl(address.sin_addr.s_addr), INADDR_LOOPBACK);
  EXPECT_GT(boundPort(socket), 0);
  EXPECT_EQ(listenOnLoopback(boundPort(socket)), -1);  // taken
  ::close(socket);
}

TEST(Stopping, EndsOpenConnectionsPromptly) {
  auto simulator = std::make_unique<Simulator>(SimulatorOptions::forTests());
  const int port = simulator->platformPort(kAccountPort);
  std::thread idle([port] { rawExchange(port, "GET /sign/ HTTP/1.1\r\n\r\n", 10s); });
  std::this_thread::sleep_for(100ms);
  const auto start = Clock::now();
  simulator.reset();
  // Well before the idle client's own 10 s would have ended the connection.
  EXPECT_LT(Clock::now() - start, 8s);
  idle.join();
}

}  // namespace
}  // namespace verdomo::sim::test
