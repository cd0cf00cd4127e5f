#include "app/registration.h"

#include "api/percent_encode.h"
#include "api/request_url.h"
#include "app/sign_in.h"

namespace verdomo {

using namespace verdomo::literals;

std::optional<GbkText> registrationProblem(const RegistrationForm& form) {
  if (!userNameCharactersAllowed(form.userName)) return "注册不支持中文或字符"_gbk;
  // The three "longer than 16" messages say "必须大于16位"; they are the texts users know.
  const std::pair<bool, const char*> checks[] = {
      {form.userName.size() < 6, "用户名长度必须大于6位。"},
      {form.password.size() < 6, "密码长度必须大于6位。"},
      {form.confirmation.size() < 6, "确认密码长度必须大于6位。"},
      {form.password != form.confirmation, "密码与确认密码不一致。"},
      {form.securityAnswer.size() < 3, "安全答案必须大于3位。"},
      {form.userName.size() > 16, "用户名长度必须大于16位。"},
      {form.password.size() > 16, "密码长度必须大于16位。"},
      {form.confirmation.size() > 16, "确认密码长度必须大于16位。"},
      {form.contactQq.size() < 5, "QQ号位数必须大于6位"},
      {form.realName.empty(), "请输入支付宝姓名[用于开发者提现]"},
      {form.alipayAccount.empty(), "请输入支付宝账号[用于开发者提现]"},
  };
  for (const auto& [fails, message] : checks) {
    if (fails) return utf8ToGbk(message);
  }
  return std::nullopt;
}

GbkText registrationUrl(const ServiceAddresses& addresses, const RegistrationForm& form) {
  return requestUrl(
      addresses, {form.userName, form.password}, endpoint::kRegister,
      {form.password, form.contactQq, percentEncode(form.realName), form.alipayAccount,
       form.referrer, percentEncode(form.securityQuestion), percentEncode(form.securityAnswer)});
}

bool registrationSucceeded(std::string_view reply) {
  static const GbkText success = "注册成功"_gbk;
  return reply == success;
}

}  // namespace verdomo
