#include "sim/http/reply_writer.h"

#include <poll.h>
#include <sys/socket.h>

#include <algorithm>
#include <random>
#include <string>

namespace verdomo::sim {
namespace {

constexpr std::size_t kDefaultGarbageBytes = 512;
constexpr std::size_t kDefaultOversizeBytes = 40u << 20;  // beyond the client's 32 MiB cap
constexpr std::size_t kFillerBlock = 64u << 10;

const char* reason(int status) {
  switch (status) {
    case 200:
      return "OK";
    case 400:
      return "Bad Request";
    case 404:
      return "Not Found";
    case 405:
      return "Method Not Allowed";
    case 413:
      return "Payload Too Large";
    case 414:
      return "URI Too Long";
    case 431:
      return "Request Header Fields Too Large";
    default:
      return "Internal Server Error";
  }
}

std::string head(const HttpResponse& response, std::size_t length, bool keepAlive) {
  std::string text = "HTTP/1.1 " + std::to_string(response.status) + " " + reason(response.status) +
                     "\r\nServer: verdomo-sim\r\nContent-Type: " + response.contentType +
                     "\r\nContent-Length: " + std::to_string(length) +
                     "\r\nConnection: " + (keepAlive ? "keep-alive" : "close") + "\r\n\r\n";
  return text;
}

std::string garbage(std::size_t size) {
  thread_local std::mt19937 random{std::random_device{}()};
  std::string bytes(size, '\0');
  std::uniform_int_distribution<int> byte(0, 255);
  for (char& c : bytes)
    c = static_cast<char>(byte(random));
  if (!bytes.empty()) bytes[0] = '\xFF';  // never the start of a status line
  return bytes;
}

bool writeOversized(Stream& stream, const HttpResponse& response, std::size_t bytes) {
  const std::size_t total = std::max(bytes ? bytes : kDefaultOversizeBytes, response.body.size());
  if (!stream.write(head(response, total, false) + response.body)) return false;
  std::string filler;
  const std::string_view unit = response.body.empty() ? std::string_view("0") : response.body;
  while (filler.size() < kFillerBlock)
    filler.append(unit);
  filler.resize(kFillerBlock);
  for (std::size_t left = total - response.body.size(); left > 0;) {
    const std::size_t now = std::min(left, filler.size());
    if (!stream.write(std::string_view(filler).substr(0, now))) return false;
    left -= now;
  }
  return true;
}

constexpr std::chrono::milliseconds kWatchStep{50};

// Whether the peer has closed its side of the line. Bytes it sent meanwhile do not count.
bool peerLeft(int socket) {
  pollfd line{socket, POLLRDHUP, 0};
  return ::poll(&line, 1, 0) > 0 && (line.revents & (POLLRDHUP | POLLHUP | POLLERR)) != 0;
}

enum class Waited { Full, PeerLeft, Stopped };

Waited waitWatching(int socket, std::chrono::milliseconds duration, const Pause& pause) {
  using Clock = std::chrono::steady_clock;
  const Clock::time_point end = Clock::now() + duration;
  for (;;) {
    if (peerLeft(socket)) return Waited::PeerLeft;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now());
    if (left.count() <= 0) return Waited::Full;
    if (!pause(std::min(left, kWatchStep))) return Waited::Stopped;
  }
}

}  // namespace

const char* faultEndingName(FaultEnding ending) {
  switch (ending) {
    case FaultEnding::Delivered:
      return "delivered";
    case FaultEnding::PeerLeft:
      return "peer-left";
    case FaultEnding::Cut:
      return "cut";
    case FaultEnding::Stopped:
      return "stopped";
  }
  return "";
}

bool writeReply(Stream& stream, const HttpResponse& response, bool keepAlive) {
  return stream.write(head(response, response.body.size(), keepAlive) + response.body);
}

FaultOutcome writeFaultyReply(Stream& stream, int socket, const HttpResponse& response,
                              bool keepAlive, const FaultRule& fault, const Pause& pause) {
  switch (fault.kind) {
    case FaultKind::Delay:
      switch (waitWatching(socket, fault.delay, pause)) {
        case Waited::PeerLeft:
          return {false, FaultEnding::PeerLeft};
        case Waited::Stopped:
          return {false, FaultEnding::Stopped};
        case Waited::Full:
          break;
      }
      if (!writeReply(stream, response, keepAlive)) return {false, FaultEnding::PeerLeft};
      return {keepAlive, FaultEnding::Delivered};
    case FaultKind::Close:
      return {false, FaultEnding::Cut};
    case FaultKind::Reset: {
      const linger abortive{1, 0};
      ::setsockopt(socket, SOL_SOCKET, SO_LINGER, &abortive, sizeof abortive);
      return {false, FaultEnding::Cut};
    }
    case FaultKind::Garbage:
      stream.write(garbage(fault.bytes ? fault.bytes : kDefaultGarbageBytes));
      return {false, FaultEnding::Cut};
    case FaultKind::Truncate: {
      // Half of the body under a head that announces all of it; a body too short to halve is
      // announced as 16 bytes.
      const bool tiny = response.body.size() < 2;
      const std::size_t announced = tiny ? 16 : response.body.size();
      const std::size_t sent = tiny ? response.body.size() : response.body.size() / 2;
      stream.write(head(response, announced, false) + response.body.substr(0, sent));
      return {false, FaultEnding::Cut};
    }
    case FaultKind::Oversize:
      return {false, writeOversized(stream, response, fault.bytes) ? FaultEnding::Delivered
                                                                   : FaultEnding::PeerLeft};
  }
  return {false, FaultEnding::Cut};
}

}  // namespace verdomo::sim
