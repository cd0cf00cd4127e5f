// Balance (port 85), withdrawals and manual recharges (port 38123), the payee and the QR
// recharge (port 16899).
#include <chrono>
#include <cstdio>

#include "sim/gbk_ops.h"
#include "sim/platform/endpoints.h"
#include "sim/platform/qr_png.h"

namespace verdomo::sim {
namespace {

using namespace verdomo::literals;

constexpr Cents kMinimumAmount = 1000;
constexpr Cents kMaximumQrAmount = 500000;
constexpr std::chrono::minutes kWithdrawalSpacing{10};
constexpr const char kQrRefusalMarker[] = "\xFF\x7B\xE7";

HttpResponse qrRefusal(const char* utf8Message) {
  return textReply(kQrRefusalMarker + utf8ToGbk(utf8Message));
}

std::string qrOrderNumber(PlatformState& state) {
  char number[32];
  std::snprintf(number, sizeof number, "QR%s%06d",
                timeText(state.clock.now()).substr(0, 10).c_str(), state.nextOrder++);
  std::string order = number;
  std::erase(order, '-');
  return order;
}

}  // namespace

HttpResponse balance(PlatformState&, const PlatformRequest&, Account* account) {
  return textReply(formatMoney(account->balance) + "|" + formatMoney(account->withdrawable));
}

HttpResponse withdraw(PlatformState& state, const PlatformRequest& request, Account* account) {
  const std::optional<Cents> amount = parseMoney(request.value("j"));
  if (!amount) return textReply("提现金额格式错误"_gbk);
  if (*amount < kMinimumAmount) return textReply("提现金额最低10元起"_gbk);
  if (*amount > account->withdrawable) return textReply("可提现金额不足"_gbk);
  const TimePoint now = state.clock.now();
  if (!account->withdrawals.empty() && now < account->withdrawals.back().at + kWithdrawalSpacing)
    return textReply("每次提现需要间隔10分钟才能再次发起提现申请"_gbk);
  if (account->realName.empty() || account->alipay.empty())
    return textReply("请先在个人信息中填写真实姓名和支付宝"_gbk);
  account->withdrawable -= *amount;
  account->balance -= *amount;
  account->withdrawals.push_back({account->realName, account->alipay, *amount, now, {}});
  return textReply("提现申请已提交，处理中"_gbk);
}

HttpResponse payee(PlatformState& state, const PlatformRequest&, Account*) {
  return textReply(state.payeeName + "|" + state.payeeAccount);
}

HttpResponse manualRecharge(PlatformState& state, const PlatformRequest& request,
                            Account* account) {
  const GbkText tradeNo = request.value("d");
  if (tradeNo.size() != 32 || !isDigits(tradeNo)) return textReply("支付宝交易号格式错误"_gbk);
  ManualTransfer* transfer = nullptr;
  for (ManualTransfer& known : state.transfers)
    if (known.tradeNo == tradeNo) transfer = &known;
  if (!transfer) return textReply("未查询到该交易号，请确认转账已完成并备注了平台用户名"_gbk);
  if (transfer->used) return textReply("该交易号已使用"_gbk);
  transfer->used = true;
  if (transfer->amount < kMinimumAmount) return textReply("转账金额低于10元，不予到账"_gbk);
  account->balance += transfer->amount;
  account->recharges.push_back(
      {tradeNo, transfer->amount, "支付宝转账"_gbk, state.clock.now(), true});
  return textReply("充值成功，到账"_gbk + formatMoney(transfer->amount) + "元"_gbk);
}

HttpResponse qrRecharge(PlatformState& state, const PlatformRequest& request, Account* account) {
  const std::optional<Cents> amount = parseMoney(request.value("j"));
  if (!amount) return qrRefusal("充值金额格式错误");
  if (*amount < kMinimumAmount) return qrRefusal("充值金额不能少于10元");
  if (*amount > kMaximumQrAmount) return qrRefusal("单笔充值金额不能超过5000元");
  const std::string order = qrOrderNumber(state);
  const std::string link =
      "https://pay.verdomo.example/qr/" + order + "?amount=" + formatMoney(*amount);
  HttpResponse image = textReply(qrPng(link));
  image.contentType = "image/png";
  account->recharges.push_back({order, *amount, "扫码支付"_gbk, state.clock.now(), false});
  return image;
}

}  // namespace verdomo::sim
