// One connection of the HttpServer: requests read one after another (pipelined ones too), each
// answered in order, until the peer closes, the idle time runs out or a reply ends the line.
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

#include <chrono>
#include <exception>
#include <optional>
#include <string>

#include "platform/gbk_codec.h"
#include "sim/http/http_server.h"
#include "sim/http/reply_writer.h"
#include "sim/http/request_head.h"

namespace verdomo::sim {
namespace {

void setSocketOptions(int socket, std::chrono::seconds idle) {
  const int on = 1;
  ::setsockopt(socket, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
  const timeval receive{static_cast<time_t>(idle.count()), 0};
  ::setsockopt(socket, SOL_SOCKET, SO_RCVTIMEO, &receive, sizeof receive);
  const timeval send{30, 0};  // a peer that stops reading cannot hold a thread for ever
  ::setsockopt(socket, SOL_SOCKET, SO_SNDTIMEO, &send, sizeof send);
}

HttpResponse refusal(int status, const char* utf8Text) {
  return {.status = status, .body = utf8ToGbk(utf8Text)};
}

// Answers a request the server cannot read and ends the line. What the peer still sends is read
// and dropped for a moment, so that closing does not reset the line before the reply is read.
void refuseAndClose(Stream& stream, int socket, const HttpResponse& response) {
  writeReply(stream, response, false);
  ::shutdown(socket, SHUT_WR);
  const timeval shortWait{0, 300 * 1000};
  ::setsockopt(socket, SOL_SOCKET, SO_RCVTIMEO, &shortWait, sizeof shortWait);
  char sink[16384];
  for (std::size_t drained = 0; drained < (4u << 20);) {
    const std::size_t got = stream.read(sink, sizeof sink);
    if (got == 0) break;
    drained += got;
  }
}

// "!fault delay 20000 yh_qm peer-left 15004 reply=0|13912345678|..." : the kind and its argument
// (milliseconds of a delay, bytes of garbage or oversize, "-" otherwise), the endpoint, how the
// reply ended, the milliseconds from the request's arrival to that end, and the head of the reply
// the fault spoilt, so that a reader can tell what the client lost.
std::string faultLine(const FaultRule& fault, const HttpResponse& response, FaultEnding ending,
                      std::chrono::steady_clock::duration took) {
  std::string argument = "-";
  if (fault.kind == FaultKind::Delay) argument = std::to_string(fault.delay.count());
  if (fault.kind == FaultKind::Garbage || fault.kind == FaultKind::Oversize)
    argument = fault.bytes ? std::to_string(fault.bytes) : "default";
  std::string head = response.body.substr(0, 64);
  for (char& c : head)
    if (c == '\r' || c == '\n' || c == '\0') c = ' ';
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(took).count();
  return std::string("!fault ") + faultKindName(fault.kind) + " " + argument + " " +
         (response.endpoint.empty() ? "-" : response.endpoint) + " " + faultEndingName(ending) +
         " " + std::to_string(ms) + " reply=" + head;
}

HttpResponse answer(const HttpHandler& handler, const HttpRequest& request) {
  if (request.method != "GET") return refusal(405, "请求方式错误");
  try {
    return handler(request);
  } catch (const std::exception&) {
    return refusal(500, "服务器内部错误");
  }
}

}  // namespace

void HttpServer::serve(int socket, const Listener& listener) {
  setSocketOptions(socket, settings_.idleTimeout);
  const std::unique_ptr<Stream> stream =
      listener.tls ? listener.tls->accept(socket) : std::make_unique<PlainStream>(socket);
  if (!stream) return;

  std::string buffer;
  char chunk[16384];
  auto readMore = [&] {
    const std::size_t got = stream->read(chunk, sizeof chunk);
    buffer.append(chunk, got);
    return got > 0;
  };

  for (;;) {
    const std::size_t headEnd = findHeadEnd(buffer);
    if (headEnd == std::string::npos) {
      if (buffer.size() > settings_.maxHeadBytes) {
        if (log_) log_->record(listener.port, "(request head too long)");
        return refuseAndClose(*stream, socket, refusal(414, "请求过长"));
      }
      if (!readMore()) return;
      continue;
    }
    if (headEnd > settings_.maxHeadBytes) {
      if (log_) log_->record(listener.port, "(request head too long)");
      return refuseAndClose(*stream, socket, refusal(414, "请求过长"));
    }

    const std::optional<RequestHead> head =
        parseRequestHead(std::string_view(buffer).substr(0, headEnd));
    if (!head || head->chunked) {
      if (log_) log_->record(listener.port, "(malformed request)");
      return refuseAndClose(*stream, socket, refusal(400, "请求格式错误"));
    }
    const auto arrived = std::chrono::steady_clock::now();
    if (log_) log_->record(listener.port, head->target);
    if (head->contentLength > settings_.maxBodyBytes)
      return refuseAndClose(*stream, socket, refusal(413, "请求过长"));
    while (buffer.size() < headEnd + head->contentLength) {
      if (!readMore()) return;
    }
    buffer.erase(0, headEnd + head->contentLength);  // a GET body means nothing here

    const HttpRequest request{listener.port, head->method, head->target, head->version};
    const HttpResponse response = answer(listener.handler, request);
    const std::optional<FaultRule> fault = faults_.choose(response.endpoint);
    if (!fault) {
      if (!writeReply(*stream, response, head->keepAlive) || !head->keepAlive) return;
      continue;
    }
    const FaultOutcome outcome =
        writeFaultyReply(*stream, socket, response, head->keepAlive, *fault,
                         [this](std::chrono::milliseconds wait) { return pause(wait); });
    if (log_)
      log_->record(listener.port, faultLine(*fault, response, outcome.ending,
                                            std::chrono::steady_clock::now() - arrived));
    if (!outcome.stayOpen) return;
  }
}

}  // namespace verdomo::sim
