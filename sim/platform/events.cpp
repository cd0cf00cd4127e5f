#include "sim/platform/events.h"

#include "sim/gbk_ops.h"

namespace verdomo::sim {
namespace {

using namespace verdomo::literals;

constexpr Cents kReferralShare = 10;  // percent of each SMS price

void chargeSms(PlatformState& state, Account& account, const Project& project,
               const std::string& phone, const GbkText& text, TimePoint at) {
  account.balance -= project.price;
  account.smsRecords.push_back({project.id, project.name, phone, project.price, text, at});
  if (Account* referee = state.accountById(account.refereeId)) {
    const Cents income = project.price * kReferralShare / 100;
    referee->balance += income;
    referee->withdrawable += income;
    referee->referralRecords.push_back({project.id, project.name, phone, income, text, at});
  }
}

int codeDigits(const Project& project) {
  return project.smsStyle == 3 ? 4 : 6;
}

GbkText smsWithCode(const Project& project, const std::string& code) {
  const GbkText name = project.shortName;
  switch (project.smsStyle) {
    case 0:
      return "【"_gbk + name + "】您的验证码是"_gbk + code + "，5分钟内有效，请勿泄露给他人。"_gbk;
    case 1:
      return "【"_gbk + name + "】验证码"_gbk + code +
             "，您正在进行身份验证，如非本人操作请忽略本短信。"_gbk;
    case 2:
      return "【"_gbk + name + "】"_gbk + code + "（"_gbk + name + "验证码），10分钟内有效。"_gbk;
    default:
      return "您的"_gbk + name + "验证码为："_gbk + code + "，请在页面中输入完成验证。【"_gbk +
             name + "】"_gbk;
  }
}

}  // namespace

GbkText serviceSms(const Project& project, std::mt19937& random) {
  std::uniform_int_distribution<int> sixDigits(100000, 999999);
  std::uniform_int_distribution<int> fourDigits(1000, 9999);
  return smsWithCode(
      project, std::to_string(codeDigits(project) == 4 ? fourDigits(random) : sixDigits(random)));
}

std::string codeForNumber(std::string_view phone, int digits) {
  std::uint32_t hash = 2166136261u;
  for (const char c : phone) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 16777619u;
  }
  return std::to_string(digits == 4 ? 1000 + hash % 9000 : 100000 + hash % 900000);
}

GbkText serviceSmsTo(const Project& project, std::string_view phone) {
  return smsWithCode(project, codeForNumber(phone, codeDigits(project)));
}

void catchUp(PlatformState& state) {
  const TimePoint now = state.clock.now();
  for (auto it = state.assignments.begin(); it != state.assignments.end();) {
    Assignment& held = it->second;
    const Project* project = state.project(held.projectId);
    Account* account = state.account(held.userName);
    if (project && account) {
      if (!project->sends && !held.delivered && now >= held.takenAt + state.smsDelay) {
        held.delivered = true;
        held.smsText = serviceSmsTo(*project, held.phone);
        chargeSms(state, *account, *project, held.phone, held.smsText,
                  held.takenAt + state.smsDelay);
      }
      SendOrder* order = held.order ? &*held.order : nullptr;
      if (order && !order->settled && now >= order->submittedAt + state.smsDelay) {
        order->settled = true;
        if (order->succeeds)
          chargeSms(state, *account, *project, held.phone, order->content,
                    order->submittedAt + state.smsDelay);
      }
    }
    if (now >= held.takenAt + kHoldLimit)
      it = state.assignments.erase(it);
    else
      ++it;
  }

  for (auto& [name, account] : state.accounts) {
    for (Recharge& recharge : account.recharges) {
      if (!recharge.credited && now >= recharge.at + kQrPaymentTime) {
        recharge.credited = true;
        account.balance += recharge.amount;
      }
    }
  }
}

}  // namespace verdomo::sim
