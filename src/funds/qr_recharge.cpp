#include "funds/qr_recharge.h"

#include "api/api_client.h"
#include "funds/funds_rules.h"

namespace verdomo {

QrReply qrReplyOf(std::string_view body) {
  std::vector<std::string> pieces = splitAtErrorMarker(body);
  if (pieces.size() >= 2) return {std::move(pieces[1]), {}};
  return {std::nullopt, std::string(body)};
}

std::string requestQrPicture(HttpSession& session, const ServiceAddresses& addresses,
                             const Credentials& credentials, std::string_view typedAmount,
                             int timeoutMs) {
  session.setTimeouts(timeoutMs, timeoutMs, timeoutMs, timeoutMs);
  session.open("GET", requestUrl(addresses, credentials, endpoint::kQrRecharge, {typedAmount}));
  session.send();
  return session.responseBody();
}

}  // namespace verdomo
