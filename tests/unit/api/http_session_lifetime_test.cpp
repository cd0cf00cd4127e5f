// A worker keeps one HttpSession for the life of the process: whatever happened to its earlier
// requests, the next one must reach the server afresh.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "api/api_client.h"
#include "api/http_session.h"
#include "support/case_name.h"
#include "support/scripted_http_server.h"
#include "support/test_servers.h"

namespace verdomo::session_lifetime_test {
namespace {

using test::ScriptedHttpServer;
using test::ScriptedReply;
using test::ScriptedRequest;
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

double secondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// A complete response that leaves the connection open in the client's eyes (no
// "Connection: close"), after which the server closes it, as one ending an idle kept-alive
// connection does.
ScriptedReply answerThenClose(const std::string& body) {
  return {.raw = "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n" +
                 body};
}

// --- a kept-alive connection that the server closes ---

struct ClosingCase {
  const char* name;
  // How the server answers the first request, and how the next request on that connection.
  ScriptedReply first;
  ScriptedReply nextOnTheOldConnection;
  std::chrono::milliseconds idle;  // between the two requests
};

void PrintTo(const ClosingCase& row, std::ostream* out) {
  *out << row.name;
}

class ClosedConnection : public testing::TestWithParam<ClosingCase> {};

TEST_P(ClosedConnection, TheNextRequestReconnectsAndSucceeds) {
  ScriptedHttpServer server([](const ScriptedRequest& request) {
    if (request.connection == 1) {
      return request.target == "/one" ? GetParam().first : GetParam().nextOnTheOldConnection;
    }
    return ScriptedReply::text("answer to " + request.target);
  });
  HttpSession session;
  EXPECT_EQ(getText(session, server.baseUrl() + "/one"), "one");
  std::this_thread::sleep_for(GetParam().idle);
  EXPECT_EQ(getText(session, server.baseUrl() + "/two"), "answer to /two");
  // The new connection is kept for what follows.
  EXPECT_EQ(getText(session, server.baseUrl() + "/three"), "answer to /three");
  EXPECT_EQ(server.connectionCount(), 2);
  const std::vector<ScriptedRequest> requests = server.requests();
  ASSERT_FALSE(requests.empty());
  EXPECT_EQ(requests.back().target, "/three");
  EXPECT_EQ(requests.back().connection, 2);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ClosedConnection,
    testing::Values(ClosingCase{"ClosedWhileIdle", answerThenClose("one"),
                                ScriptedReply::text("unused"), 200ms},
                    ClosingCase{"ClosedRightAfterTheReply", answerThenClose("one"),
                                ScriptedReply::text("unused"), 0ms},
                    // The server's idle time-out strikes just as the next request arrives.
                    ClosingCase{"ClosedOnTheNextRequest", ScriptedReply::text("one"),
                                ScriptedReply{.raw = std::string()}, 0ms},
                    ClosingCase{"ResetOnTheNextRequest", ScriptedReply::text("one"),
                                ScriptedReply{.reset = true}, 0ms}),
    test::caseName<ClosingCase>);

// --- a success after a failure ---

struct FailureCase {
  const char* name;
  ScriptedReply failure;
  std::size_t bodyLimit = HttpSession::kDefaultBodyLimit;
};

void PrintTo(const FailureCase& row, std::ostream* out) {
  *out << row.name;
}

class FailureBetweenSuccesses : public testing::TestWithParam<FailureCase> {};

// Most failures deliver some bytes first; none of them may reach the caller, then or later.
TEST_P(FailureBetweenSuccesses, LeavesNoStaleBody) {
  ScriptedHttpServer server([](const ScriptedRequest& request) {
    if (request.target == "/fails") return GetParam().failure;
    return ScriptedReply::text(request.target == "/first" ? "1|first" : "1|second");
  });
  HttpSession session(GetParam().bodyLimit);
  EXPECT_EQ(getText(session, server.baseUrl() + "/first"), "1|first");
  // A short receive time-out, so that the silent server ends the request in about a second.
  EXPECT_EQ(getText(session, server.baseUrl() + "/fails", 500), "");
  EXPECT_EQ(session.responseBody(), "");
  EXPECT_EQ(getText(session, server.baseUrl() + "/second"), "1|second");
  EXPECT_EQ(session.responseBody(), "1|second");
}

INSTANTIATE_TEST_SUITE_P(
    Faults, FailureBetweenSuccesses,
    testing::Values(
        FailureCase{"TruncatedBody",
                    {.raw = "HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\n1|stale part"}},
        FailureCase{"BodyOverTheLimit", ScriptedReply::text("1|stale " + std::string(5000, 'x')),
                    4096},
        FailureCase{"Reset", {.reset = true}},
        FailureCase{"Garbage", {.raw = std::string("\x01\x02 1|stale\r\n\r\n")}},
        FailureCase{"Silent", {.silent = true}}),
    test::caseName<FailureCase>);

// --- the environment's proxy settings ---

// Sets environment variables for one test and restores them afterwards.
class EnvironmentOverride {
 public:
  void set(const char* name, const std::string& value) {
    const char* old = std::getenv(name);
    saved_.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
    ::setenv(name, value.c_str(), 1);
  }
  ~EnvironmentOverride() {
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
      if (it->second) {
        ::setenv(it->first, it->second->c_str(), 1);
      } else {
        ::unsetenv(it->first);
      }
    }
  }

 private:
  std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};

TEST(HttpSessionProxies, TheEnvironmentsProxyVariablesAreIgnored) {
  ScriptedHttpServer proxy(
      [](const ScriptedRequest&) { return ScriptedReply::text("through the proxy"); });
  ScriptedHttpServer server([](const ScriptedRequest&) { return ScriptedReply::text("direct"); });
  test::SelfSignedHttpsServer secure("direct over https");
  EnvironmentOverride environment;
  for (const char* name :
       {"http_proxy", "HTTP_PROXY", "https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"}) {
    environment.set(name, proxy.baseUrl());
  }
  // Nothing is exempted from the proxy.
  environment.set("no_proxy", "");
  environment.set("NO_PROXY", "");

  HttpSession session;
  EXPECT_EQ(getText(session, server.baseUrl() + "/yh_qm/"), "direct");
  EXPECT_EQ(getText(session, secure.baseUrl() + "/segment"), "direct over https");
  HttpSession fresh;
  EXPECT_EQ(getText(fresh, server.baseUrl() + "/sign/"), "direct");
  EXPECT_TRUE(proxy.requests().empty());
  EXPECT_EQ(proxy.connectionCount(), 0);
}

// --- the time-outs ---

// The server keeps sending, one byte every 50 ms, far above the receive time-out's floor of one
// byte a second: only the ceiling over the whole exchange (the four time-outs added up) ends it.
TEST(HttpSessionTimeouts, ATricklingServerIsEndedByTheOverallCeiling) {
  ScriptedHttpServer server([](const ScriptedRequest&) {
    return ScriptedReply{.body = std::string(100000, 'x'), .trickle = 50ms};
  });
  HttpSession session;
  session.setTimeouts(500, 500, 500, 500);
  session.open(server.baseUrl() + "/yh_qm/");
  const auto start = Clock::now();
  EXPECT_FALSE(session.send());
  const double elapsed = secondsSince(start);
  EXPECT_GE(elapsed, 1.9);  // not the one-second receive time-out
  EXPECT_LT(elapsed, 30.0);
  EXPECT_EQ(session.responseBodyText(), "");
}

// A session that ran with other time-outs (a caller of its own, a shorter request) gets the
// platform's 15000 ms back from every platform request.
TEST(HttpSessionTimeouts, EveryPlatformRequestSetsThePlatformTimeouts) {
  ScriptedHttpServer server(
      [](const ScriptedRequest&) { return ScriptedReply{.body = "1|late", .delay = 1500ms}; });
  HttpSession session;
  session.setTimeouts(200, 200, 200, 200);
  EXPECT_EQ(getText(session, server.baseUrl() + "/yh_qm/"), "1|late");
  EXPECT_EQ(session.timeouts(), (HttpSession::Timeouts{15000, 15000, 15000, 15000}));

  EXPECT_EQ(getText(session, server.baseUrl() + "/yh_qm/", 250), "");
  EXPECT_EQ(session.timeouts(), (HttpSession::Timeouts{250, 250, 250, 250}));

  EXPECT_EQ(getText(session, server.baseUrl() + "/yh_qm/"), "1|late");
  EXPECT_EQ(session.timeouts(), (HttpSession::Timeouts{15000, 15000, 15000, 15000}));
}

}  // namespace
}  // namespace verdomo::session_lifetime_test
