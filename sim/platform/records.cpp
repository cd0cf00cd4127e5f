// Record lists (port 130). SMS and referral records come thirty to a page as
// count | money total | records, each record project ID #c- name #c- phone #c- price #c- SMS text
// #c- time, closed by "#c+". Withdrawals and recharges come whole, newest first, in lists of
// their own syntax.
#include <algorithm>
#include <chrono>

#include "sim/gbk_ops.h"
#include "sim/platform/endpoints.h"

namespace verdomo::sim {
namespace {

using namespace verdomo::literals;

constexpr std::size_t kPageSize = 30;
constexpr std::chrono::minutes kPayoutTime{5};  // a withdrawal is "处理中" this long

bool matches(const SmsRecord& record, std::string_view search) {
  return search.empty() || std::to_string(record.projectId) == search ||
         containsGbk(record.phone, search);
}

HttpResponse page(const std::vector<SmsRecord>& records, const PlatformRequest& request,
                  bool search) {
  const GbkText wanted = search ? withoutSpaces(request.value("n")) : GbkText();
  std::vector<const SmsRecord*> found;
  Cents total = 0;
  for (auto it = records.rbegin(); it != records.rend(); ++it) {
    if (!matches(*it, wanted)) continue;
    found.push_back(&*it);
    total += it->price;
  }
  // A missing, malformed or zero page number asks for the first page.
  const std::size_t pageNumber = std::max(1, parseWholeNumber(request.value("y")).value_or(1));
  GbkText reply = std::to_string(found.size()) + "|" + formatMoney(total) + "|";
  for (std::size_t i = (pageNumber - 1) * kPageSize; i < found.size() && i < pageNumber * kPageSize;
       ++i) {
    const SmsRecord& record = *found[i];
    reply += std::to_string(record.projectId) + "#c-" + record.projectName + "#c-" + record.phone +
             "#c-" + formatMoney(record.price) + "#c-" + record.text + "#c-" + timeText(record.at) +
             "#c+";
  }
  return textReply(reply);
}

}  // namespace

HttpResponse smsRecords(PlatformState&, const PlatformRequest& request, Account* account) {
  return page(account->smsRecords, request, false);
}

HttpResponse smsRecordSearch(PlatformState&, const PlatformRequest& request, Account* account) {
  return page(account->smsRecords, request, true);
}

HttpResponse referralRecords(PlatformState&, const PlatformRequest& request, Account* account) {
  return page(account->referralRecords, request, false);
}

HttpResponse referralRecordSearch(PlatformState&, const PlatformRequest& request,
                                  Account* account) {
  return page(account->referralRecords, request, true);
}

// name | account | amount | time | result | number, records separated by ",".
HttpResponse withdrawalRecords(PlatformState& state, const PlatformRequest&, Account* account) {
  const TimePoint now = state.clock.now();
  GbkText reply;
  for (std::size_t i = account->withdrawals.size(); i-- > 0;) {
    const Withdrawal& withdrawal = account->withdrawals[i];
    const GbkText result = !withdrawal.refusal.empty()         ? withdrawal.refusal
                           : now < withdrawal.at + kPayoutTime ? "处理中"_gbk
                                                               : "已到账"_gbk;
    if (!reply.empty()) reply += ",";
    reply += withdrawal.name + "|" + withdrawal.account + "|" + formatMoney(withdrawal.amount) +
             "|" + timeText(withdrawal.at) + "|" + result + "|" + std::to_string(i + 1);
  }
  return textReply(reply);
}

// order , amount , channel , time , result, records separated by "|".
HttpResponse rechargeRecords(PlatformState&, const PlatformRequest&, Account* account) {
  GbkText reply;
  for (auto it = account->recharges.rbegin(); it != account->recharges.rend(); ++it) {
    if (!reply.empty()) reply += "|";
    reply += it->order + "," + formatMoney(it->amount) + "," + it->channel + "," +
             timeText(it->at) + "," + (it->credited ? "充值成功"_gbk : "等待付款"_gbk);
  }
  return textReply(reply);
}

}  // namespace verdomo::sim
