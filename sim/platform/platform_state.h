#pragma once
// Everything the simulated platform knows: accounts, catalogue, the numbers users hold, dockings,
// records and money. One lock (held by the PlatformService) guards all of it.

#include <chrono>
#include <cstdint>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "platform/gbk_codec.h"
#include "sim/number_plan.h"
#include "sim/platform/money.h"
#include "sim/sim_clock.h"

namespace verdomo::sim {

using TimePoint = SimClock::TimePoint;

struct Project {
  int id = 0;
  GbkText name;       // a send project's name reads "短名(发送号码:10690#10691)"
  GbkText shortName;  // the name of the service that sends or receives the SMS
  Cents price = 0;
  bool sends = false;
  std::vector<std::string> serviceNumbers;  // send projects only
  int cardsOnline = 0;                      // the catalogue's further field
  int smsStyle = 0;                         // which wording the service's SMS uses
};

struct SmsRecord {
  int projectId = 0;
  GbkText projectName;
  std::string phone;
  Cents price = 0;
  GbkText text;
  TimePoint at;
};

struct Withdrawal {
  GbkText name;
  GbkText account;
  Cents amount = 0;
  TimePoint at;
  GbkText refusal;  // empty unless the payout was turned down
};

struct Recharge {
  std::string order;
  Cents amount = 0;
  GbkText channel;  // "支付宝转账" or "扫码支付"
  TimePoint at;
  bool credited = false;
};

struct JoinedDocking {
  GbkText code;
  bool paused = false;
  TimePoint joinedAt;
};

struct Account {
  int id = 0;
  GbkText userName;
  GbkText password;
  bool merchant = false;
  Cents balance = 0;
  Cents withdrawable = 0;
  GbkText question, answer, qq, realName, alipay;
  int refereeId = 0;
  TimePoint registeredAt;
  std::vector<int> favourites;  // in the order they were added
  std::vector<JoinedDocking> dockings;
  std::vector<SmsRecord> smsRecords;       // oldest first
  std::vector<SmsRecord> referralRecords;  // oldest first
  std::vector<Withdrawal> withdrawals;     // oldest first
  std::vector<Recharge> recharges;         // oldest first
};

struct SendOrder {
  std::string serviceNumber;
  GbkText content;
  TimePoint submittedAt;
  bool succeeds = true;
  bool settled = false;
};

// A pool number held by a user for a project.
struct Assignment {
  std::string phone;
  int projectId = 0;
  GbkText userName;
  TimePoint takenAt;
  bool delivered = false;  // the SMS has arrived (receive projects)
  GbkText smsText;
  std::optional<SendOrder> order;  // send projects
};

struct Docking {
  GbkText code;  // thirteen characters
  int projectId = 0;
  GbkText supplier;
  Cents price = 0;
  bool isPublic = false;
};

struct ManualTransfer {
  std::string tradeNo;  // 32 digits
  Cents amount = 0;
  bool used = false;
};

struct PlatformState {
  PlatformState(const NumberPlan& numberPlan, SimClock& platformClock, std::uint32_t seed)
      : plan(numberPlan), clock(platformClock), random(seed) {}

  const NumberPlan& plan;
  SimClock& clock;
  std::mt19937 random;
  std::chrono::milliseconds smsDelay{10000};

  GbkText notice;
  GbkText supportQq;
  GbkText payeeName, payeeAccount;

  std::map<GbkText, Account> accounts;  // by user name
  int nextAccountId = 10001;
  std::vector<Project> projects;                                // by ascending ID
  std::map<std::string, Assignment> assignments;                // by phone number
  std::set<std::tuple<GbkText, int, std::string>> usedNumbers;  // user, project, phone
  std::set<std::tuple<GbkText, int, std::string>> blacklist;    // user, project, phone
  std::vector<Docking> dockings;
  std::vector<GbkText> applications;  // project names under review
  std::vector<ManualTransfer> transfers;
  int nextOrder = 1;

  const Project* project(int id) const;
  const Project* project(std::string_view idText) const;
  Account* account(const GbkText& userName);
  Account* accountById(int id);
  const Docking* docking(const GbkText& code) const;
};

// "2026-03-01 12:34:56" in local time.
std::string timeText(TimePoint at);

}  // namespace verdomo::sim
