// Sign-in, registration and the three account changes (port 82).
#include <algorithm>

#include "sim/gbk_ops.h"
#include "sim/platform/endpoints.h"

namespace verdomo::sim {
namespace {

using namespace verdomo::literals;

bool validUserName(std::string_view name) {
  return name.size() >= 6 && name.size() <= 16 && std::all_of(name.begin(), name.end(), [](char c) {
           return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                  c == '@' || c == '.';
         });
}

bool validPassword(std::string_view password) {
  return password.size() >= 6 && password.size() <= 16;
}

bool validQq(std::string_view qq) {
  return isDigits(qq) && qq.size() >= 5 && qq.size() <= 11;
}

// Texts the platform writes back into its own lists must not hold their separators.
bool plainText(std::string_view text) {
  return !containsGbk(text, "|") && !containsGbk(text, "#") && !containsGbk(text, ",");
}

std::string dateText(TimePoint at) {
  return timeText(at).substr(0, 10);
}

}  // namespace

HttpResponse signIn(PlatformState& state, const PlatformRequest& request, Account*) {
  const GbkText userName = request.value("username");
  if (userName.empty()) return textReply("0|"_gbk + "请输入用户名"_gbk);
  Account* account = state.account(userName);
  if (!account) return textReply("0|"_gbk + "用户名不存在"_gbk);
  if (account->password != request.value("password")) return textReply("0|"_gbk + "密码错误"_gbk);

  // balance | withdrawable | account ID | registration date | security question | contact QQ |
  // real name | Alipay account | notice | support QQ | account type
  const GbkText fields[] = {formatMoney(account->balance),
                            formatMoney(account->withdrawable),
                            std::to_string(account->id),
                            dateText(account->registeredAt),
                            account->question,
                            account->qq,
                            account->realName,
                            account->alipay,
                            state.notice,
                            state.supportQq,
                            account->merchant ? "商户"_gbk : "普通用户"_gbk};
  GbkText reply;
  for (const GbkText& field : fields)
    reply += (reply.empty() ? "" : "|") + field;
  return textReply(reply);
}

HttpResponse registerAccount(PlatformState& state, const PlatformRequest& request, Account*) {
  const GbkText userName = request.value("username");
  const GbkText password = request.value("password");
  const GbkText qq = request.value("QQ");
  const GbkText fullName = request.value("Fullname");
  const GbkText alipay = request.value("account");
  const GbkText referee = request.value("Referee");
  const GbkText question = request.value("problem");
  const GbkText answer = request.value("Answer");

  if (!validUserName(userName)) return textReply("用户名须为6-16位字母、数字、@或."_gbk);
  if (state.account(userName)) return textReply("该用户名已被注册"_gbk);
  if (!validPassword(password)) return textReply("密码长度须为6-16位"_gbk);
  if (request.value("password1") != password) return textReply("两次输入的密码不一致"_gbk);
  if (!validQq(qq)) return textReply("QQ号码格式错误"_gbk);
  if (fullName.empty()) return textReply("请输入真实姓名"_gbk);
  if (alipay.empty()) return textReply("请输入支付宝账号"_gbk);
  if (question.empty()) return textReply("请选择安全问题"_gbk);
  if (answer.empty()) return textReply("请输入安全答案"_gbk);
  if (!plainText(fullName) || !plainText(alipay) || !plainText(question) || !plainText(answer))
    return textReply("资料中不能含有|、#或,"_gbk);
  Account* referrer = nullptr;
  if (!referee.empty()) {
    const std::optional<int> refereeId = parseWholeNumber(referee);
    referrer = refereeId ? state.accountById(*refereeId) : nullptr;
    if (!referrer) return textReply("推荐人不存在"_gbk);
  }
  if (request.value("type") != "1") return textReply("注册类型错误"_gbk);

  Account account;
  account.id = state.nextAccountId++;
  account.userName = userName;
  account.password = password;
  account.qq = qq;
  account.realName = fullName;
  account.alipay = alipay;
  account.question = question;
  account.answer = answer;
  account.refereeId = referrer ? referrer->id : 0;
  account.registeredAt = state.clock.now();
  state.accounts[userName] = std::move(account);
  return textReply("注册成功"_gbk);
}

HttpResponse changePassword(PlatformState&, const PlatformRequest& request, Account* account) {
  if (request.value("w") != account->answer) return textReply("安全答案错误"_gbk);
  const GbkText password = request.value("p");
  if (!validPassword(password)) return textReply("新密码长度须为6-16位"_gbk);
  account->password = password;
  return textReply("修改成功"_gbk);
}

HttpResponse changeProfile(PlatformState&, const PlatformRequest& request, Account* account) {
  if (request.value("w") != account->answer) return textReply("安全答案错误"_gbk);
  const GbkText qq = request.value("q");
  const GbkText realName = request.value("z");
  const GbkText alipay = request.value("f");
  if (!validQq(qq)) return textReply("QQ号码格式错误"_gbk);
  if (realName.empty()) return textReply("请输入真实姓名"_gbk);
  if (alipay.empty()) return textReply("请输入支付宝账号"_gbk);
  if (!plainText(realName) || !plainText(alipay)) return textReply("资料中不能含有|、#或,"_gbk);
  account->qq = qq;
  account->realName = realName;
  account->alipay = alipay;
  return textReply("修改成功"_gbk);
}

HttpResponse changeSecurity(PlatformState&, const PlatformRequest& request, Account* account) {
  if (request.value("w") != account->answer) return textReply("安全答案错误"_gbk);
  const GbkText question = request.value("xt");
  const GbkText answer = request.value("w1");
  if (question.empty()) return textReply("请选择安全问题"_gbk);
  if (answer.empty()) return textReply("请输入新的安全答案"_gbk);
  if (!plainText(question) || !plainText(answer)) return textReply("资料中不能含有|、#或,"_gbk);
  account->question = question;
  account->answer = answer;
  return textReply("设置成功"_gbk);
}

}  // namespace verdomo::sim
