#include <gtest/gtest.h>

#include <atomic>
#include <chrono>

#include "api/api_client.h"
#include "api/endpoint_index.h"
#include "api/http_session.h"
#include "api/request_url.h"
#include "support/case_name.h"
#include "support/gbk_test_text.h"
#include "support/scripted_http_server.h"
#include "support/test_servers.h"

namespace verdomo {
namespace {

using namespace verdomo::literals;
using test::ScriptedHttpServer;
using test::ScriptedReply;
using test::ScriptedRequest;
using Clock = std::chrono::steady_clock;

ScriptedHttpServer::Script answerWith(std::string body) {
  return [body](const ScriptedRequest&) { return ScriptedReply::text(body); };
}

double secondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

TEST(HttpSession, SendsThePlatformRequestLineExactlyAsTheServerExpects) {
  ScriptedHttpServer server(answerWith("1"));
  // The port offset puts the project address (port 83) on the scripted server's port.
  const ServiceAddresses addresses = buildServiceAddresses("127.0.0.1", server.port() - 83);
  const GbkText url =
      requestUrl(addresses, {"a b", "p"}, endpoint::kAddFavourite, {"1001#c-项目#c-0.5"_gbk});
  HttpSession session;
  EXPECT_EQ(getText(session, url), "1");

  const auto requests = server.requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].requestLine,
            "GET /xiangmu_shouchan/username=a%20b&password=p&id=1001%23c-%E9%A1%B9%E7%9B%AE%23c-0.5"
            " HTTP/1.1");
  EXPECT_EQ(requests[0].header("User-Agent"), std::string(kDefaultUserAgent));
  EXPECT_EQ(requests[0].header("Content-Type"), std::nullopt);
}

TEST(HttpSession, KeepsOneConnectionForAllRequestsOfASession) {
  ScriptedHttpServer server(
      [](const ScriptedRequest& request) { return ScriptedReply::text("echo " + request.target); });
  HttpSession session;
  for (int i = 0; i < 10; ++i) {
    const std::string path = "/yh_qm/n=" + std::to_string(i);
    EXPECT_EQ(getText(session, server.baseUrl() + path), "echo " + path);
  }
  EXPECT_EQ(server.requests().size(), 10u);
  EXPECT_EQ(server.connectionCount(), 1);
}

TEST(HttpSession, ASilentServerEndsTheRequestAfterAboutTheReceiveTimeout) {
  ScriptedHttpServer server([](const ScriptedRequest&) { return ScriptedReply{.silent = true}; });
  HttpSession session;
  session.setTimeouts(5000, 5000, 5000, 1000);
  session.open(server.baseUrl() + "/sign/");
  const auto start = Clock::now();
  EXPECT_FALSE(session.send());
  const double elapsed = secondsSince(start);
  EXPECT_GE(elapsed, 0.9);
  EXPECT_LT(elapsed, 10.0);  // well before the 16 s ceiling of all four added up
  EXPECT_EQ(session.responseBodyText(), "");
  EXPECT_EQ(session.failure(), TransportFailure::ReplyTimedOut);
}

TEST(HttpSession, TheBodyTextEndsAtTheFirstZeroByteAndTheStatusIsNotLookedAt) {
  ScriptedHttpServer server([](const ScriptedRequest&) {
    return ScriptedReply{.status = 500, .body = std::string("0|\xD3\xC3\0tail", 8)};
  });
  HttpSession session;
  session.open(server.baseUrl() + "/x");
  EXPECT_TRUE(session.send());
  EXPECT_EQ(session.responseBodyText(), "0|\xD3\xC3");
  EXPECT_EQ(session.responseBody(), std::string("0|\xD3\xC3\0tail", 8));
  EXPECT_EQ(session.failure(), TransportFailure::None);
}

// Whatever the status, a reply that arrived is no transport failure, even without a body.
TEST(HttpSession, AnAnswerWithoutBodyIsNoFailure) {
  for (const int status : {200, 404, 500}) {
    ScriptedHttpServer server(
        [status](const ScriptedRequest&) { return ScriptedReply{.status = status}; });
    HttpSession session;
    EXPECT_EQ(getText(session, server.baseUrl() + "/sign/"), "") << status;
    EXPECT_EQ(session.failure(), TransportFailure::None) << status;
  }
}

struct FaultCase {
  const char* name;
  ScriptedHttpServer::Script script;
  TransportFailure failure;
  std::size_t bodyLimit = HttpSession::kDefaultBodyLimit;
};

class HttpSessionFaults : public testing::TestWithParam<FaultCase> {};

TEST_P(HttpSessionFaults, GiveTheEmptyBodyQuicklyAndSayWhy) {
  ScriptedHttpServer server(GetParam().script);
  HttpSession session(GetParam().bodyLimit);
  const auto start = Clock::now();
  EXPECT_EQ(getText(session, server.baseUrl() + "/yh_qm/"), "");
  EXPECT_LT(secondsSince(start), 5.0);
  EXPECT_EQ(session.failure(), GetParam().failure);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, HttpSessionFaults,
    testing::Values(
        FaultCase{"Reset", [](const ScriptedRequest&) { return ScriptedReply{.reset = true}; },
                  TransportFailure::Reset},
        FaultCase{"ClosedWithoutReply",
                  [](const ScriptedRequest&) { return ScriptedReply{.raw = ""}; },
                  TransportFailure::Reset},
        FaultCase{"Garbage",
                  [](const ScriptedRequest&) {
                    return ScriptedReply{.raw = std::string("\x01\x02garbage\r\n\r\n")};
                  },
                  TransportFailure::Other},
        FaultCase{"TruncatedBody",
                  [](const ScriptedRequest&) {
                    return ScriptedReply{.raw =
                                             "HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\nshort"};
                  },
                  TransportFailure::Reset},
        FaultCase{"RedirectLoop",
                  [](const ScriptedRequest&) { return ScriptedReply::redirect("/again"); },
                  TransportFailure::Other},
        FaultCase{
            "BodyOverTheLimit",
            [](const ScriptedRequest&) { return ScriptedReply::text(std::string(2 << 20, 'x')); },
            TransportFailure::BodyTooLarge, 1 << 20}),
    test::caseName<FaultCase>);

TEST(HttpSession, FollowsRedirects) {
  ScriptedHttpServer server([](const ScriptedRequest& request) {
    return request.target == "/old" ? ScriptedReply::redirect("/new")
                                    : ScriptedReply::text("moved");
  });
  HttpSession session;
  EXPECT_EQ(getText(session, server.baseUrl() + "/old"), "moved");
}

TEST(HttpSession, AClosedPortGivesTheEmptyBodyAtOnce) {
  int closedPort;
  {
    ScriptedHttpServer gone(answerWith(""));
    closedPort = gone.port();
  }
  HttpSession session;
  const auto start = Clock::now();
  EXPECT_EQ(getText(session, "http://127.0.0.1:" + std::to_string(closedPort) + "/sign/"), "");
  EXPECT_LT(secondsSince(start), 10.0);  // refused, not waiting out the 15 s connect time-out
  EXPECT_EQ(session.failure(), TransportFailure::Refused);
}

TEST(HttpSession, AFailureIsForgottenOnceAReplyArrivesAgain) {
  std::atomic<bool> broken{true};
  ScriptedHttpServer server([&broken](const ScriptedRequest&) {
    return broken ? ScriptedReply{.reset = true} : ScriptedReply::text("1");
  });
  HttpSession session;
  EXPECT_EQ(getText(session, server.baseUrl() + "/a"), "");
  EXPECT_EQ(session.failure(), TransportFailure::Reset);
  broken = false;
  EXPECT_EQ(getText(session, server.baseUrl() + "/b"), "1");
  EXPECT_EQ(session.failure(), TransportFailure::None);
}

// A label of 64 letters is longer than any DNS name may have, so the resolver refuses it without
// asking a name server: the test gives the same answer at once with or without a network.
TEST(HttpSession, AHostNameThatDoesNotResolveIsTold) {
  HttpSession session;
  const std::string unresolvable = std::string(64, 'a') + ".invalid";
  EXPECT_EQ(getText(session, "http://" + unresolvable + "/sign/", 2000), "");
  EXPECT_EQ(session.failure(), TransportFailure::HostNotFound);
}

TEST(HttpSession, AHostThatNeverAnswersTheConnectEndsAfterAboutTheConnectTimeout) {
  test::UnansweredListener host;
  HttpSession session;
  session.setTimeouts(1000, 1000, 5000, 5000);
  session.open("http://127.0.0.1:" + std::to_string(host.port()) + "/sign/");
  const auto start = Clock::now();
  EXPECT_FALSE(session.send());
  const double elapsed = secondsSince(start);
  EXPECT_GE(elapsed, 0.9);
  EXPECT_LT(elapsed, 8.0);  // well before the 12 s ceiling of all four added up
  EXPECT_EQ(session.failure(), TransportFailure::ConnectTimedOut);
}

TEST(HttpSession, IgnoresCertificateErrorsOverHttps) {
  test::SelfSignedHttpsServer server("__GetZoneResult_ = {province:'广东',}");
  HttpSession session;
  EXPECT_EQ(getText(session, server.baseUrl() + "/cc/json/mobile_tel_segment.htm?tel=13800138000"),
            "__GetZoneResult_ = {province:'广东',}");
}

TEST(HttpSession, CompletesAMissingScheme) {
  ScriptedHttpServer server(answerWith("ok"));
  HttpSession session;
  const std::string hostAndPath = "127.0.0.1:" + std::to_string(server.port()) + "/yh.txt";
  session.open(hostAndPath);
  EXPECT_EQ(session.url(), "http://" + hostAndPath);
  EXPECT_TRUE(session.send());
  EXPECT_EQ(session.responseBodyText(), "ok");

  const std::pair<std::string, std::string> cases[] = {
      {"HTTP://h/x", "HTTP://h/x"},
      {"https://h/x", "https://h/x"},
      {"http://", "http://http://"},  // shorter than "https://": always prefixed
      {"ftp://h/x", "http://ftp://h/x"}};
  for (const auto& [given, opened] : cases) {
    session.open(given);
    EXPECT_EQ(session.url(), opened) << given;
  }
}

}  // namespace
}  // namespace verdomo
