#include "sim/platform/demo_data.h"

#include <random>

#include "sim/platform/catalogue_data.h"
#include "sim/platform/events.h"

namespace verdomo::sim {
namespace {

using namespace verdomo::literals;
using std::chrono::days;
using std::chrono::hours;
using std::chrono::minutes;

Account& addAccount(PlatformState& state, const char* userName, const char* password,
                    TimePoint registeredAt) {
  Account account;
  account.id = state.nextAccountId++;
  account.userName = userName;
  account.password = password;
  account.registeredAt = registeredAt;
  account.question = "你喜欢的颜色？"_gbk;
  account.answer = "蓝色"_gbk;
  return state.accounts[account.userName] = std::move(account);
}

GbkText dockingCode(std::mt19937& random) {
  static constexpr char kAlphabet[] = "ABCDEFGHJKLMNPQRSTUVWXYZ23456789";
  std::uniform_int_distribution<std::size_t> any(0, sizeof kAlphabet - 2);
  GbkText code;
  for (int i = 0; i < 13; ++i)
    code.push_back(kAlphabet[any(random)]);
  return code;
}

const PoolNumber& anyNumber(const PlatformState& state, std::mt19937& random) {
  std::uniform_int_distribution<std::size_t> any(0, state.plan.numbers().size() - 1);
  return state.plan.numbers()[any(random)];
}

void addDockings(PlatformState& state, Account& demo, std::mt19937& random, TimePoint now) {
  const auto& suppliers = state.plan.suppliers();
  auto add = [&](GbkText code, int projectId, std::size_t supplier, Cents price, bool isPublic) {
    state.dockings.push_back({std::move(code), projectId, suppliers[supplier], price, isPublic});
  };
  add("KX7Q2M9TPLW4A", 1001, 0, 40, false);
  add("HB3N8R5VZC6EJ", 1013, 1, 60, false);
  add("QW4E9T2YU7P3S", 2001, 2, 90, true);
  add(kJoinableDockingCodes[0], 1006, 3, 45, false);
  add(kJoinableDockingCodes[1], 2002, 4, 100, false);
  demo.dockings = {{"KX7Q2M9TPLW4A", false, now - days(40)},
                   {"HB3N8R5VZC6EJ", true, now - days(25)},
                   {"QW4E9T2YU7P3S", false, now - days(6)}};

  std::uniform_int_distribution<std::size_t> anyProject(0, state.projects.size() - 1);
  std::uniform_int_distribution<std::size_t> anySupplier(0, suppliers.size() - 1);
  for (int i = 0; i < 12; ++i) {
    const Project& project = state.projects[anyProject(random)];
    add(dockingCode(random), project.id, anySupplier(random),
        std::max<Cents>(10, project.price - 10), true);
  }
}

void addRecords(PlatformState& state, Account& demo, std::mt19937& random, TimePoint now) {
  const int recordProjects[] = {1001, 1002, 1006, 1013, 1021, 1047, 1088, 1150, 1203};
  std::uniform_int_distribution<std::size_t> anyProject(0, std::size(recordProjects) - 1);
  std::uniform_int_distribution<int> jitter(0, 170);
  for (int i = 0; i < 75; ++i) {
    const Project& project = *state.project(recordProjects[anyProject(random)]);
    const TimePoint at = now - hours(3 * (75 - i)) - minutes(jitter(random));
    demo.smsRecords.push_back({project.id, project.name, anyNumber(state, random).phone,
                               project.price, serviceSms(project, random), at});
  }
  for (int i = 0; i < 40; ++i) {
    const Project& project = *state.project(recordProjects[anyProject(random)]);
    const TimePoint at = now - hours(5 * (40 - i)) - minutes(jitter(random));
    demo.referralRecords.push_back({project.id, project.name, anyNumber(state, random).phone,
                                    project.price / 10, serviceSms(project, random), at});
  }

  demo.withdrawals = {
      {demo.realName, demo.alipay, 5000, now - days(30), {}},
      {demo.realName, "zxm_old@example.com", 10000, now - days(21),
       "已驳回：支付宝账户与姓名不符"_gbk},
      {demo.realName, demo.alipay, 10000, now - days(20), {}},
      {demo.realName, demo.alipay, 3000, now - days(3), {}},
  };
  demo.recharges = {
      {"20251102200040011100160000123456", 10000, "支付宝转账"_gbk, now - days(60), true},
      {"QR20251120000017", 5000, "扫码支付"_gbk, now - days(45), true},
      {"20251215200040011100160000654321", 20000, "支付宝转账"_gbk, now - days(33), true},
      {"QR20260105000042", 3000, "扫码支付"_gbk, now - days(12), true},
      {"20260120200040011100160000777777", 10000, "支付宝转账"_gbk, now - days(2), true},
  };
}

}  // namespace

void loadDemoData(PlatformState& state, std::uint32_t seed) {
  std::mt19937 random(seed ^ 0x9E3779B9u);
  const TimePoint now = state.clock.now();
  state.projects = buildCatalogue();
  state.notice =
      "欢迎使用Verdomo用户端！\r\n"
      "1. 取号后请尽快使用，不用的号码请及时释放或加黑，号码占用20分钟后自动释放。\r\n"
      "2. 短信到达后才扣费，未收到短信不扣费。\r\n"
      "3. 充值最低10元；提现10元起，每次间隔10分钟。\r\n"
      "4. 如有问题请联系客服QQ：800012345。"_gbk;
  state.supportQq = "800012345";
  state.payeeName = "李建国"_gbk;
  state.payeeAccount = "verdomo-pay@example.com";
  for (const char* tradeNo : kDemoTransfers)
    state.transfers.push_back({tradeNo, 0, false});
  state.transfers[0].amount = 5000;
  state.transfers[1].amount = 10000;
  state.transfers[2].amount = 800;

  Account& demo = addAccount(state, "demo01", "demo2026", now - days(200));
  demo.balance = 12850;
  demo.withdrawable = 3680;
  demo.qq = "12345678";
  demo.realName = "张晓明"_gbk;
  demo.alipay = "zhangxm@example.com";
  demo.favourites = {1001, 1002, 1006, 1013, 1021, 2001, 2002};

  Account& shop = addAccount(state, "shop01", "shop2026", now - days(300));
  shop.merchant = true;
  shop.balance = 50000;
  shop.withdrawable = 50000;
  shop.qq = "87654321";
  shop.realName = "王海峰"_gbk;
  shop.alipay = "shop01@example.com";

  Account& friendAccount = addAccount(state, "friend01", "friend2026", now - days(90));
  friendAccount.refereeId = demo.id;
  friendAccount.balance = 2000;
  friendAccount.qq = "23456789";
  friendAccount.realName = "刘洋"_gbk;
  friendAccount.alipay = "liuyang@example.com";
  friendAccount.favourites = {1047, 1088};

  addDockings(state, demo, random, now);
  addRecords(state, demo, random, now);
}

}  // namespace verdomo::sim
