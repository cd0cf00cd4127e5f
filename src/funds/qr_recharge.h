#pragma once
// The QR recharge without its window: the request, and what its raw reply means. The platform
// answers the picture of a payment QR code, or an error marker and a text.

#include <optional>
#include <string>
#include <string_view>

#include "api/http_session.h"
#include "api/request_url.h"

namespace verdomo {

struct QrReply {
  std::optional<GbkText> refusal;  // the text after the first marker
  std::string picture;             // the reply's bytes as they came, when no refusal
};
QrReply qrReplyOf(std::string_view body);

// The QR recharge request for the amount as typed, answered by the body's raw bytes (the empty
// body after a failure, whose kind the session keeps). `timeoutMs` goes to all four time-outs.
std::string requestQrPicture(HttpSession& session, const ServiceAddresses& addresses,
                             const Credentials& credentials, std::string_view typedAmount,
                             int timeoutMs);

}  // namespace verdomo
