#include "funds/security_checks.h"

#include "api/gbk_text.h"
#include "api/text_to_int.h"

namespace verdomo {
namespace {

using namespace verdomo::literals;

constexpr std::size_t kShortestPassword = 6;
constexpr std::size_t kLongestPassword = 15;
constexpr std::size_t kShortestQq = 6;
constexpr int kSmallestQq = 100000;

}  // namespace

std::optional<GbkText> passwordChangeProblem(std::string_view answer, std::string_view newPassword,
                                             std::string_view confirmation) {
  if (removeAllSpaces(answer).empty()) return "请输入安全答案"_gbk;
  const GbkText password = removeAllSpaces(newPassword);
  if (password.size() < kShortestPassword || password.size() > kLongestPassword) {
    return "新密码长度不够或新密码长度过长"_gbk;
  }
  const GbkText confirmed = removeAllSpaces(confirmation);
  if (confirmed.size() < kShortestPassword) return "确认码长度不够"_gbk;
  if (confirmed != password) return "输入的新密码与确认码不一致"_gbk;
  return std::nullopt;
}

std::optional<GbkText> profileProblem(std::string_view answer, std::string_view qq,
                                      std::string_view realName, std::string_view alipayAccount) {
  if (removeAllSpaces(answer).empty()) return "请输入安全答案"_gbk;
  const GbkText qqNumber = removeAllSpaces(qq);
  if (qqNumber.size() < kShortestQq && textToInt(qqNumber) < kSmallestQq) {
    return "请输入正确的联系QQ"_gbk;
  }
  if (removeAllSpaces(realName).empty()) return "请输入真实姓名"_gbk;
  if (removeAllSpaces(alipayAccount).empty()) return "请输入支付宝"_gbk;
  return std::nullopt;
}

std::optional<GbkText> securityQuestionProblem(std::string_view currentAnswer,
                                               std::string_view newAnswer) {
  if (removeAllSpaces(currentAnswer).empty()) return "请输入旧的安全答案"_gbk;
  if (removeAllSpaces(newAnswer).empty()) return "请输入新的安全答案"_gbk;
  return std::nullopt;
}

}  // namespace verdomo
