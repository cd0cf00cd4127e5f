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
};

class SessionRequester final : public PlatformRequester {
 public:
  explicit SessionRequester(HttpSession& session) : session_(session) {}
  GbkText getText(std::string_view gbkUrl) override { return verdomo::getText(session_, gbkUrl); }

 private:
  HttpSession& session_;
};

}  // namespace verdomo
