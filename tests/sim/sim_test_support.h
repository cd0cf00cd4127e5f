#pragma once
// What the simulator's tests share: a client of their own on libcurl and raw sockets (nothing of
// the Verdomo client's transport), the client's wire escaping redone here, and a fixture that
// embeds a simulator on free ports.

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

#include "sim/platform/ports.h"
#include "sim/simulator.h"

namespace verdomo::sim::test {

// The client's transport on a UTF-8 path: bytes of 0x80 and above, controls, space and
// " # < > [ \ ] ^ ` { | } become %XX (upper-case hex); everything else, "%" included, stays.
std::string wireEscape(std::string_view utf8);

struct HttpReply {
  bool ok = false;  // a complete HTTP reply arrived
  long status = 0;
  std::string body;
};

// One GET on a new connection; HTTPS without certificate checks.
HttpReply httpGet(const std::string& url);

// Sends `request` on a new connection and returns every byte received until the server closes
// the line or `timeout` passes. `error` receives the errno of a failed read (ECONNRESET, ...).
std::string rawExchange(int port, std::string_view request,
                        std::chrono::milliseconds timeout = std::chrono::seconds(5),
                        int* error = nullptr);

// Pieces between separators, the last one too.
std::vector<std::string> split(std::string_view text, std::string_view separator);

// Records closed by "#c+", fields separated by "#c-".
using Records = std::vector<std::vector<std::string>>;
Records records(std::string_view reply);

class SimTest : public ::testing::Test {
 public:
  explicit SimTest(SimulatorOptions options = SimulatorOptions::forTests()) : sim(options) {}

  std::string platformUrl(int fixedPort, std::string_view utf8Path) const;
  // The reply body as bytes, for a UTF-8 path such as "/sign/username=demo01&password=demo2026".
  std::string askBytes(int fixedPort, std::string_view utf8Path) const;
  // The reply body converted from GBK to UTF-8.
  std::string ask(int fixedPort, std::string_view utf8Path) const;
  // ask() with the demo account's credentials: demo(kNumberPort, "yh_qh", "&id=1001").
  std::string demo(int fixedPort, std::string_view endpoint, std::string_view rest = "") const;
  // The number a demo take got, failing the test when there was none.
  std::string takeNumber(std::string_view rest);

  Simulator sim;
};

}  // namespace verdomo::sim::test
