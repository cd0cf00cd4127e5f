#include "api/api_client.h"

namespace verdomo {

GbkText getText(HttpSession& session, std::string_view gbkUrl) {
  session.setTimeouts(kPlatformTimeoutMs, kPlatformTimeoutMs, kPlatformTimeoutMs,
                      kPlatformTimeoutMs);
  session.open("GET", gbkUrl);
  session.send();
  return session.responseBodyText();
}

}  // namespace verdomo
