#include "sim/simulator.h"

#include <unistd.h>

#include <csignal>
#include <random>
#include <sstream>
#include <stdexcept>

#include "sim/http/http_server.h"
#include "sim/http/listener.h"
#include "sim/http/request_log.h"
#include "sim/http/tls.h"
#include "sim/number_plan.h"
#include "sim/platform/platform_service.h"
#include "sim/platform/ports.h"
#include "sim/segment_service.h"
#include "sim/sim_clock.h"
#include "sim/update_host.h"

namespace verdomo::sim {
namespace {

constexpr int kLowestTestOffset = 1000;
constexpr int kHighestTestOffset = 27000;
constexpr int kOffsetAttempts = 200;

const char* portRole(int port) {
  switch (port) {
    case kAccountPort:
      return "account: sign-in, registration, account changes";
    case kProjectPort:
      return "projects: catalogue, favourites, applications";
    case kDockingPort:
      return "dockings, balance";
    case kNumberPort:
      return "numbers: take";
    case kReleasePort:
      return "numbers: release, blacklist";
    case kPollPort:
      return "poll, withdrawal, recharge submission";
    case kRecordsPort:
      return "records";
    case kSendPort:
      return "send orders";
    case kPaymentPort:
      return "payee, QR recharge";
  }
  return "";
}

struct Sockets {
  std::vector<int> platform;  // in the order of kPlatformPorts
  void close() {
    for (int socket : platform)
      if (socket >= 0) ::close(socket);
    platform.clear();
  }
};

// Every platform port at `offset`, or none.
bool bindPlatform(int offset, Sockets& sockets) {
  for (int port : kPlatformPorts) {
    const int socket = listenOnLoopback(port + offset);
    if (socket < 0) {
      sockets.close();
      return false;
    }
    sockets.platform.push_back(socket);
  }
  return true;
}

}  // namespace

SimulatorOptions SimulatorOptions::forTests() {
  SimulatorOptions options;
  options.portOffset.reset();
  options.updatePort = 0;
  options.segmentPort = 0;
  options.smsDelay = std::chrono::milliseconds(0);
  return options;
}

struct Simulator::Running {
  explicit Running(const SimulatorOptions& options)
      : plan(options.seed),
        platform(plan, clock, options.seed),
        updateHost(options.publishedVersion, options.packageFile),
        segments(plan),
        log(options.requestLogFile.empty() ? nullptr
                                           : std::make_unique<RequestLog>(options.requestLogFile)),
        server(ServerSettings{}, faults, log.get()) {}

  SimClock clock;
  NumberPlan plan;
  PlatformService platform;
  UpdateHost updateHost;
  SegmentService segments;
  TlsContext tls;
  FaultPlan faults;
  std::unique_ptr<RequestLog> log;
  HttpServer server;
  int offset = 0;
  int updatePort = 0;
  int segmentPort = 0;
};

Simulator::Simulator(SimulatorOptions options) {
  // A peer that goes away while TLS writes must not end the process.
  std::signal(SIGPIPE, SIG_IGN);
  running_ = std::make_unique<Running>(options);
  Running& r = *running_;
  r.platform.setSmsDelay(options.smsDelay);
  if (options.demoBalance) r.platform.setBalance("demo01", *options.demoBalance);
  r.faults.set(options.faults);
  r.faults.setRandom(options.randomFaults);

  const int updateSocket = listenOnLoopback(options.updatePort);
  if (updateSocket < 0)
    throw std::runtime_error("cannot listen on update port " + std::to_string(options.updatePort));
  const int segmentSocket = listenOnLoopback(options.segmentPort);
  if (segmentSocket < 0) {
    ::close(updateSocket);
    throw std::runtime_error("cannot listen on segment port " +
                             std::to_string(options.segmentPort));
  }
  r.server.addListener(updateSocket,
                       [&r](const HttpRequest& request) { return r.updateHost.handle(request); });
  r.server.addListener(
      segmentSocket, [&r](const HttpRequest& request) { return r.segments.handle(request); },
      &r.tls);
  r.updatePort = boundPort(updateSocket);
  r.segmentPort = boundPort(segmentSocket);

  Sockets sockets;
  if (options.portOffset) {
    r.offset = *options.portOffset;
    if (r.offset < 0 || r.offset > kMaxPortOffset || !bindPlatform(r.offset, sockets))
      throw std::runtime_error("cannot listen on the platform ports at offset " +
                               std::to_string(r.offset) + " (a port is taken or out of range)");
  } else {
    std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<int> anyOffset(kLowestTestOffset, kHighestTestOffset);
    bool bound = false;
    for (int attempt = 0; attempt < kOffsetAttempts && !bound; ++attempt) {
      r.offset = anyOffset(random);
      bound = bindPlatform(r.offset, sockets);
    }
    if (!bound) throw std::runtime_error("no free port offset for the platform ports");
  }
  for (std::size_t i = 0; i < sockets.platform.size(); ++i) {
    const int fixedPort = kPlatformPorts[i];
    r.server.addListener(sockets.platform[i], [&r, fixedPort](const HttpRequest& request) {
      return r.platform.handle(fixedPort, request);
    });
  }
  r.server.start();
}

Simulator::~Simulator() {
  stop();
}

void Simulator::stop() {
  if (running_) running_->server.stop();
}

int Simulator::portOffset() const {
  return running_->offset;
}

int Simulator::updatePort() const {
  return running_->updatePort;
}

int Simulator::segmentPort() const {
  return running_->segmentPort;
}

const NumberPlan& Simulator::numberPlan() const {
  return running_->plan;
}

std::string Simulator::certificatePem() const {
  return running_->tls.certificatePem();
}

std::string Simulator::portSummary() const {
  std::ostringstream text;
  for (int port : kPlatformPorts)
    text << "platform  http://127.0.0.1:" << platformPort(port) << "  (" << port << ": "
         << portRole(port) << ")\n";
  text << "update    http://127.0.0.1:" << updatePort() << "  (/yh.txt, /ostrel.zip)\n";
  text << "segment   https://127.0.0.1:" << segmentPort()
       << "  (/cc/json/mobile_tel_segment.htm?tel=)\n";
  return text.str();
}

void Simulator::setFaults(std::vector<FaultRule> faults) {
  running_->faults.set(std::move(faults));
}

void Simulator::setRandomFaults(std::optional<RandomFaults> random) {
  running_->faults.setRandom(random);
}

void Simulator::setSmsDelay(std::chrono::milliseconds delay) {
  running_->platform.setSmsDelay(delay);
}

void Simulator::advanceClock(std::chrono::seconds by) {
  running_->clock.advance(by);
}

}  // namespace verdomo::sim
