#pragma once
// One platform request: a GET on the caller's session with the platform's time-outs, answered by
// the body as GBK text. A failed request answers the empty text; the HTTP status is not looked at.

#include "api/http_session.h"

namespace verdomo {

inline constexpr int kPlatformTimeoutMs = 15000;

// `timeoutMs` goes to all four time-outs; the platform's requests use 15000 ms, but for the send
// of an SMS.
GbkText getText(HttpSession& session, std::string_view gbkUrl, int timeoutMs = kPlatformTimeoutMs);

// Whoever sends an operation's platform requests: a worker's own session, or a UI-thread
// handler's requester that keeps the window painting while it waits.
class PlatformRequester {
 public:
  virtual ~PlatformRequester() = default;
  virtual GbkText getText(std::string_view gbkUrl) = 0;
  // Why the last request answered the empty text without a reply; None when a reply arrived.
  // Only a user's action looks at it, to say so; workers go by the text alone.
  virtual TransportFailure lastFailure() const = 0;
};

class SessionRequester final : public PlatformRequester {
 public:
  explicit SessionRequester(HttpSession& session, int timeoutMs = kPlatformTimeoutMs)
      : session_(session), timeoutMs_(timeoutMs) {}
  GbkText getText(std::string_view gbkUrl) override {
    return verdomo::getText(session_, gbkUrl, timeoutMs_);
  }
  TransportFailure lastFailure() const override { return session_.failure(); }

 private:
  HttpSession& session_;
  int timeoutMs_;
};

}  // namespace verdomo
