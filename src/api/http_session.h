#pragma once
// The client's HTTP object: one libcurl easy handle, so every request of one handler or worker
// reuses one kept-alive connection. It sends the default User-Agent, ignores certificate errors,
// follows redirects, and never throws: a failed request leaves the body empty and says why in
// `failure()`.

#include <cstddef>
#include <string>
#include <string_view>

#include "api/transport_failure.h"
#include "platform/gbk_codec.h"

namespace verdomo {

inline constexpr std::string_view kDefaultUserAgent =
    "Mozilla/5.0 (compatible; MSIE 10.0; Windows NT 6.2)";

class HttpSession {
 public:
  // A body beyond this many bytes ends the request as failed, so a runaway reply cannot exhaust
  // memory. The largest real replies (a full catalogue, a QR picture) stay far below it.
  static constexpr std::size_t kDefaultBodyLimit = 32u << 20;

  explicit HttpSession(std::size_t bodyLimit = kDefaultBodyLimit);
  ~HttpSession();
  HttpSession(const HttpSession&) = delete;
  HttpSession& operator=(const HttpSession&) = delete;

  // Milliseconds for name resolution, connect, send and receive.
  void setTimeouts(int resolveMs = 10000, int connectMs = 15000, int sendMs = 120000,
                   int receiveMs = 300000);

  struct Timeouts {
    int resolveMs;
    int connectMs;
    int sendMs;
    int receiveMs;
    bool operator==(const Timeouts&) const = default;
  };
  // The time-outs the next request runs with.
  Timeouts timeouts() const { return {resolveMs_, connectMs_, sendMs_, receiveMs_}; }

  // Remembers the request; a URL without "http://" or "https://" gets "http://" in front.
  void open(std::string_view method, std::string_view gbkUrl);
  void open(std::string_view gbkUrl) { open("GET", gbkUrl); }

  // Carries out the opened request. False when no response arrived (no connection, time-out,
  // reset, too many redirects, a body over the limit); the body is then empty.
  bool send();
  // Why the last send produced no reply; None after a reply arrived (even an empty one).
  TransportFailure failure() const { return failure_; }

  // The body's bytes as GBK text, cut at the first zero byte.
  GbkText responseBodyText() const;
  // The body's bytes as they came.
  const std::string& responseBody() const { return body_; }

  // The last opened URL after scheme completion.
  const GbkText& url() const { return url_; }

 private:
  static std::size_t appendBody(char* data, std::size_t size, std::size_t count, void* self);
  void applyTimeouts();

  void* handle_;  // CURL*
  std::size_t bodyLimit_;
  GbkText method_ = "GET";
  GbkText url_;
  std::string body_;
  TransportFailure failure_ = TransportFailure::None;
  bool bodyOverLimit_ = false;
  int resolveMs_ = 10000;
  int connectMs_ = 15000;
  int sendMs_ = 120000;
  int receiveMs_ = 300000;
};

}  // namespace verdomo
