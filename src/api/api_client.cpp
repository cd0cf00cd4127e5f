#include "api/api_client.h"

namespace verdomo {

GbkText getText(HttpSession& session, std::string_view gbkUrl, int timeoutMs) {
  session.setTimeouts(timeoutMs, timeoutMs, timeoutMs, timeoutMs);
  session.open("GET", gbkUrl);
  session.send();
  return session.responseBodyText();
}

}  // namespace verdomo
