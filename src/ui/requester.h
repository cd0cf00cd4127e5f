#pragma once
// Platform requests made by UI-thread handlers. The caller sees a synchronous call; meanwhile
// the transfer runs on a helper thread and the UI thread waits in a local event loop that
// leaves out user input: windows keep painting and updates keep landing, but no handler can be
// started again by the user.

#include <string_view>

#include "api/api_client.h"
#include "api/http_session.h"

namespace verdomo {

class UiRequester final : public PlatformRequester {
 public:
  // One HttpSession for all requests of the handler, so they share a kept-alive connection.
  GbkText getText(std::string_view gbkUrl) override;

 private:
  HttpSession session_;
};

}  // namespace verdomo
