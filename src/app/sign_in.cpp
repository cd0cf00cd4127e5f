#include "app/sign_in.h"

#include "api/endpoint_index.h"

namespace verdomo {

using namespace verdomo::literals;

bool userNameCharactersAllowed(std::string_view userName) {
  for (char byte : userName) {
    const char lower = (byte >= 'A' && byte <= 'Z') ? static_cast<char>(byte + 32) : byte;
    const bool allowed = (lower >= '0' && lower <= '9') || (lower >= 'a' && lower <= 'z') ||
                         lower == '@' || lower == '.';
    if (!allowed) return false;
  }
  return true;
}

std::optional<GbkText> signInInputProblem(std::string_view userName, std::string_view password) {
  if (!userNameCharactersAllowed(userName)) return "用户名不支持中文或字符"_gbk;
  if (userName.size() < 6) return "用户名长度少于6位。"_gbk;
  if (password.size() < 6) return "密码长度少于6位。"_gbk;
  if (password.size() > 16) return "密码长度大于16位。"_gbk;
  if (userName.size() > 16) return "用户长度大于16位。"_gbk;
  return std::nullopt;
}

void storeSignInReply(SessionState& session, const std::vector<GbkText>& fields) {
  if (fields.size() < kSignInFields) return;
  session.balance = fields[0];
  session.withdrawable = fields[1];
  session.securityQuestion = fields[4];
  session.contactQq = fields[5];
  session.realName = fields[6];
  session.alipayAccount = fields[7];
  session.noticeText = fields[8];
  session.supportQq = fields[9];
}

bool isMerchantAccount(const std::vector<GbkText>& fields) {
  static const GbkText merchant = "商户"_gbk;
  return fields.size() >= kSignInFields && fields[10] == merchant;
}

GbkText signInUrl(const ServiceAddresses& addresses, std::string_view userName,
                  std::string_view password) {
  return requestUrl(addresses, {GbkText(userName), GbkText(password)}, endpoint::kSignIn);
}

}  // namespace verdomo
