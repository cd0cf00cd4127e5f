#include "sim/platform/platform_service.h"

#include <string_view>

#include "sim/http/path_decoding.h"
#include "sim/platform/demo_data.h"
#include "sim/platform/endpoints.h"
#include "sim/platform/events.h"
#include "sim/platform/platform_request.h"
#include "sim/platform/ports.h"

namespace verdomo::sim {
namespace {

using namespace verdomo::literals;

// How an endpoint words a refusal: "0|" + message for the status and record lists, the bare
// message for keyword and message replies, the marker bytes and the message for the QR image.
enum class Refusal { Status, Text, Marker };

struct Route {
  std::string_view name;
  int port;
  Refusal refusal;
  bool open;  // checks the credentials itself
  EndpointHandler handler;
};

constexpr Route kRoutes[] = {
    {"sign", kAccountPort, Refusal::Status, true, signIn},
    {"ZC", kAccountPort, Refusal::Text, true, registerAccount},
    {"xg_mm", kAccountPort, Refusal::Text, false, changePassword},
    {"xg_zl", kAccountPort, Refusal::Text, false, changeProfile},
    {"xg_aq", kAccountPort, Refusal::Text, false, changeSecurity},
    {"liebiao_xm", kProjectPort, Refusal::Status, false, searchCatalogue},
    {"xiangmu_ysc", kProjectPort, Refusal::Status, false, listFavourites},
    {"xiangmu_shouchan", kProjectPort, Refusal::Text, false, addFavourite},
    {"xiangmu_qxsc", kProjectPort, Refusal::Text, false, removeFavourite},
    {"sq_dx", kProjectPort, Refusal::Text, false, applyForProject},
    {"yh_gx", kDockingPort, Refusal::Text, false, balance},
    {"yh_zs_lb", kDockingPort, Refusal::Status, false, listDockings},
    {"yh_zs_jr", kDockingPort, Refusal::Text, false, joinDocking},
    {"yh_zs_fhzt", kDockingPort, Refusal::Text, false, switchDocking},
    {"yh_zs_sc", kDockingPort, Refusal::Text, false, deleteDocking},
    {"yh_zs_gk_lb", kDockingPort, Refusal::Status, false, listPublicDockings},
    {"yh_qh", kNumberPort, Refusal::Status, false, takeNumber},
    {"yh_sf", kReleasePort, Refusal::Text, false, releaseNumber},
    {"yh_lh", kReleasePort, Refusal::Text, false, blacklistNumber},
    {"yh_qm", kPollPort, Refusal::Status, false, pollNumber},
    {"cz_tj", kPollPort, Refusal::Text, false, manualRecharge},
    {"tj", kPollPort, Refusal::Text, false, withdraw},
    {"yh_mx", kRecordsPort, Refusal::Status, false, smsRecords},
    {"yh_mx_s", kRecordsPort, Refusal::Status, false, smsRecordSearch},
    {"tj_mx", kRecordsPort, Refusal::Status, false, referralRecords},
    {"tj_mx_s", kRecordsPort, Refusal::Status, false, referralRecordSearch},
    {"tx_mx", kRecordsPort, Refusal::Status, false, withdrawalRecords},
    {"cz_mx", kRecordsPort, Refusal::Status, false, rechargeRecords},
    {"fdx_tj", kSendPort, Refusal::Text, false, submitSendOrder},
    {"cx", kPaymentPort, Refusal::Text, false, payee},
    {"sc", kPaymentPort, Refusal::Marker, false, qrRecharge},
};

const Route* findRoute(std::string_view name, int port) {
  for (const Route& route : kRoutes)
    if (route.name == name && route.port == port) return &route;
  return nullptr;
}

HttpResponse refuse(Refusal form, const GbkText& message) {
  switch (form) {
    case Refusal::Status:
      return textReply("0|" + message);
    case Refusal::Text:
      return textReply(message);
    case Refusal::Marker:
      return textReply("\xFF\x7B\xE7" + message);
  }
  return textReply(message);
}

}  // namespace

HttpResponse textReply(std::string body) {
  return {.body = std::move(body)};
}

PlatformService::PlatformService(const NumberPlan& plan, SimClock& clock, std::uint32_t seed)
    : state_(plan, clock, seed) {
  loadDemoData(state_, seed);
}

void PlatformService::setSmsDelay(std::chrono::milliseconds delay) {
  std::lock_guard lock(mutex_);
  state_.smsDelay = delay;
}

bool PlatformService::setBalance(const GbkText& userName, Cents balance) {
  std::lock_guard lock(mutex_);
  Account* account = state_.account(userName);
  if (account) account->balance = balance;
  return account != nullptr;
}

HttpResponse PlatformService::handle(int fixedPort, const HttpRequest& request) {
  const PlatformRequest call = parsePlatformPath(decodeTarget(request.target));
  const Route* route = findRoute(call.endpoint, fixedPort);
  if (!route) {
    // Unknown paths, and endpoints asked on another group's port, as a real server answers them.
    HttpResponse notFound = textReply("0|"_gbk + "接口不存在"_gbk);
    notFound.status = 404;
    notFound.endpoint = call.endpoint;
    return notFound;
  }

  std::lock_guard lock(mutex_);
  catchUp(state_);
  Account* account = nullptr;
  if (!route->open) {
    account = state_.account(call.value("username"));
    if (!account || !call.find("password") || account->password != call.value("password")) {
      HttpResponse refused = refuse(route->refusal, "用户名或密码错误"_gbk);
      refused.endpoint = call.endpoint;
      return refused;
    }
  }
  HttpResponse response = route->handler(state_, call, account);
  response.endpoint = call.endpoint;
  return response;
}

}  // namespace verdomo::sim
