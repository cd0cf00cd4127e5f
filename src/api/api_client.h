#pragma once
// One platform request: a GET on the caller's session with the platform's time-outs, answered by
// the body as GBK text. A failed request answers the empty text; the HTTP status is not looked at.

#include "api/http_session.h"

namespace verdomo {

inline constexpr int kPlatformTimeoutMs = 15000;

GbkText getText(HttpSession& session, std::string_view gbkUrl);

}  // namespace verdomo
