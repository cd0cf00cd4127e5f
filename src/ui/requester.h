#pragma once
// Platform requests made by UI-thread handlers. The caller sees a synchronous call; meanwhile
// the transfer runs on a helper thread and the UI thread waits in a local event loop that
// leaves out user input: windows keep painting and updates keep landing, but no handler can be
// started again by the user.

#include <functional>
#include <string_view>

#include "api/api_client.h"
#include "api/http_session.h"
#include "api/pause.h"

namespace verdomo {

// Runs `work` on a helper thread and returns its answer; the UI thread waits meanwhile in a local
// event loop that leaves out user input.
GbkText waitOffUiThread(const std::function<GbkText()>& work);

class UiRequester final : public PlatformRequester {
 public:
  explicit UiRequester(const Pacing& pacing, int timeoutMs = kPlatformTimeoutMs)
      : timeoutMs_(pacing.requestTimeout(timeoutMs)) {}
  // One HttpSession for all requests of the handler, so they share a kept-alive connection.
  GbkText getText(std::string_view gbkUrl) override;
  TransportFailure lastFailure() const override { return session_.failure(); }

 private:
  HttpSession session_;
  int timeoutMs_;
};

}  // namespace verdomo
