#include "sim/command_line.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>

#include "sim/platform/demo_data.h"
#include "sim/platform/money.h"
#include "sim/platform/ports.h"

namespace verdomo::sim {
namespace {

template <typename Number>
std::optional<Number> whole(std::string_view text) {
  Number value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<std::chrono::milliseconds> seconds(std::string_view text) {
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < 0 ||
      value > 86400 || !std::isfinite(value))
    return std::nullopt;
  return std::chrono::milliseconds(std::llround(value * 1000));
}

bool validPort(int port) {
  return port >= 0 && port <= 65535;
}

}  // namespace

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
  CommandLine line;
  SimulatorOptions& options = line.options;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& name = arguments[i];
    if (name == "--help" || name == "-h") {
      line.help = true;
      continue;
    }
    if (i + 1 >= arguments.size()) {
      line.error = name.rfind("--", 0) == 0 ? name + " needs a value" : "unknown argument " + name;
      return line;
    }
    const std::string& value = arguments[++i];
    auto bad = [&] {
      line.error = "bad value for " + name + ": " + value;
      return line;
    };
    if (name == "--port-offset") {
      const auto offset = whole<int>(value);
      if (!offset || *offset < 0 || *offset > kMaxPortOffset) return bad();
      options.portOffset = *offset;
    } else if (name == "--update-port" || name == "--segment-port") {
      const auto port = whole<int>(value);
      if (!port || !validPort(*port)) return bad();
      (name == "--update-port" ? options.updatePort : options.segmentPort) = *port;
    } else if (name == "--published-version") {
      options.publishedVersion = value;
    } else if (name == "--package") {
      options.packageFile = value;
    } else if (name == "--sms-delay") {
      const auto delay = seconds(value);
      if (!delay) return bad();
      options.smsDelay = *delay;
    } else if (name == "--request-log") {
      options.requestLogFile = value;
    } else if (name == "--seed") {
      const auto seed = whole<std::uint32_t>(value);
      if (!seed) return bad();
      options.seed = *seed;
    } else if (name == "--fault") {
      const auto rule = parseFaultRule(value);
      if (!rule) return bad();
      options.faults.push_back(*rule);
    } else if (name == "--balance") {
      const auto balance = parseMoney(value);
      if (!balance) return bad();
      options.demoBalance = *balance;
    } else if (name == "--random-faults") {
      const auto random = parseRandomFaults(value);
      if (!random) return bad();
      options.randomFaults = *random;
    } else {
      line.error = "unknown option " + name;
      return line;
    }
  }
  return line;
}

std::string helpText() {
  std::string text =
      "verdomo-sim: the Verdomo platform, update host and segment service on 127.0.0.1\n"
      "\n"
      "Usage: verdomo-sim [options]\n"
      "\n"
      "  --port-offset N         added to the platform ports 82 83 85 81 107 38123 130 1780\n"
      "                          16899 (default 20000; at most " +
      std::to_string(kMaxPortOffset) +
      ")\n"
      "  --update-port P         update host port, /yh.txt and /ostrel.zip (default 20080)\n"
      "  --segment-port P        HTTPS segment service port (default 20443)\n"
      "  --published-version V   version in /yh.txt (default 1.6)\n"
      "  --package FILE          the file served as /ostrel.zip (default: none, 404)\n"
      "  --sms-delay SECONDS     time from a take to its SMS, and from a send order to its\n"
      "                          result (default 10; decimals allowed)\n"
      "  --request-log FILE      append one line per request: time, port, raw target; and\n"
      "                          after a spoilt reply: time, port, \"!fault\", kind, argument,\n"
      "                          endpoint, delivered|peer-left|cut|stopped, milliseconds from\n"
      "                          the request to that end, \"reply=\" and the reply's head\n"
      "  --balance YUAN          demo01's balance at the start (default 128.50)\n"
      "  --seed N                seed of the number pool, codes and demo records (default 2026)\n"
      "  --fault ENDPOINT:KIND[:ARG]\n"
      "                          spoil the replies of one endpoint or of all; repeatable.\n"
      "                          ENDPOINT: all, an endpoint name (sign, yh_qh, yh_qm, sc, ...),\n"
      "                          yh.txt, ostrel.zip or segment.\n"
      "                          KIND: delay[:MS] (default 20000), close, reset, garbage[:BYTES],\n"
      "                          truncate, oversize[:BYTES] (default 40 MiB)\n"
      "  --random-faults SHARE[:SEED]\n"
      "                          spoil that share of the replies no --fault names (0.1 is one\n"
      "                          in ten), each by a kind drawn from delay (half inside the\n"
      "                          client's time-outs, half 20 s), reset, garbage, truncate and\n"
      "                          oversize; SEED (default 1) repeats a run's faults; SIGUSR1\n"
      "                          switches them off and on\n"
      "  --help                  this text\n"
      "\n"
      "Demo accounts: demo01 / demo2026 (user), shop01 / shop2026 (merchant),\n"
      "friend01 / friend2026 (referred by demo01).\n"
      "Docking codes to join: ";
  for (const char* code : kJoinableDockingCodes)
    text += std::string(code) + " ";
  text += "\nAlipay transaction numbers for the manual recharge (once each):\n";
  for (const char* tradeNo : kDemoTransfers)
    text += std::string("  ") + tradeNo + "\n";
  return text;
}

}  // namespace verdomo::sim
