#pragma once
// Every platform request: its path, the address it goes to and its parameters after "username"
// and "password", in the order the platform reads them. A parameter written "key=value" has a
// fixed value; the others take the caller's values in order.

#include <string_view>
#include <vector>

#include "api/service_address.h"

namespace verdomo {

struct Endpoint {
  std::string_view path;
  ServiceAddress ServiceAddresses::*address;
  std::vector<std::string_view> parameters;
};

namespace endpoint {

using A = ServiceAddresses;

// Account.
inline const Endpoint kSignIn{"/sign/", &A::accountAddress, {}};
inline const Endpoint kRegister{
    "/ZC/",
    &A::accountAddress,
    {"password1", "QQ", "Fullname", "account", "Referee", "problem", "Answer", "type=1"}};
inline const Endpoint kChangePassword{"/xg_mm/", &A::accountAddress, {"w", "p"}};
inline const Endpoint kChangeProfile{"/xg_zl/", &A::accountAddress, {"w", "q", "z", "f"}};
inline const Endpoint kChangeSecurity{"/xg_aq/", &A::accountAddress, {"w", "xt", "w1"}};

// Projects.
inline const Endpoint kProjectSearch{"/liebiao_xm/", &A::projectAddress, {"lx=1", "ss"}};
inline const Endpoint kReceiveFavourites{"/xiangmu_ysc/", &A::projectAddress, {}};
inline const Endpoint kSendFavourites{"/xiangmu_ysc/", &A::projectAddress, {"l=1"}};
inline const Endpoint kAddFavourite{"/xiangmu_shouchan/", &A::projectAddress, {"id"}};
inline const Endpoint kRemoveFavourite{"/xiangmu_qxsc/", &A::projectAddress, {"id"}};
inline const Endpoint kApplyReceiveProject{"/sq_dx/", &A::projectAddress, {"m", "dx", "l=1"}};
inline const Endpoint kApplySendProject{"/sq_dx/", &A::projectAddress, {"m", "hm", "l=2"}};

// Dockings and balance.
inline const Endpoint kBalance{"/yh_gx/", &A::dockingAddress, {}};
inline const Endpoint kDockingList{"/yh_zs_lb/", &A::dockingAddress, {}};
inline const Endpoint kJoinDocking{"/yh_zs_jr/", &A::dockingAddress, {"d"}};
inline const Endpoint kSwitchDockingState{"/yh_zs_fhzt/", &A::dockingAddress, {"d"}};
inline const Endpoint kDeleteDocking{"/yh_zs_sc/", &A::dockingAddress, {"d"}};
inline const Endpoint kPublicDockingList{"/yh_zs_gk_lb/", &A::dockingAddress, {}};

// Numbers.
inline const Endpoint kTakeNumber{
    "/yh_qh/", &A::numberAddress, {"id", "operator", "region", "card", "loop"}};
inline const Endpoint kTakeNumberWithPhone{
    "/yh_qh/", &A::numberAddress, {"id", "operator", "region", "card", "loop", "phone"}};
inline const Endpoint kTakeSpecificNumber{"/yh_qh/", &A::numberAddress, {"id", "phone"}};
inline const Endpoint kReleaseNumber{"/yh_sf/", &A::releaseAddress, {"id", "phone"}};
inline const Endpoint kBlacklistNumber{"/yh_lh/", &A::releaseAddress, {"id", "phone"}};
inline const Endpoint kPollSms{"/yh_qm/", &A::pollAddress, {"id", "phone"}};
inline const Endpoint kSendSms{"/fdx_tj/", &A::sendAddress, {"id", "send", "phone", "content"}};

// Funds.
inline const Endpoint kSubmitRecharge{"/cz_tj/", &A::pollAddress, {"d"}};
inline const Endpoint kWithdraw{"/tj/", &A::withdrawAddress, {"j"}};
inline const Endpoint kPayee{"/cx/", &A::paymentAddress, {}};
inline const Endpoint kQrRecharge{"/sc/", &A::paymentAddress, {"j"}};

// Records.
inline const Endpoint kSmsRecords{"/yh_mx/", &A::recordsAddress, {}};
inline const Endpoint kSmsRecordsPage{"/yh_mx/", &A::recordsAddress, {"y"}};
inline const Endpoint kSmsRecordSearch{"/yh_mx_s/", &A::recordsAddress, {"n"}};
inline const Endpoint kSmsRecordSearchPage{"/yh_mx_s/", &A::recordsAddress, {"n", "y"}};
inline const Endpoint kReferralRecords{"/tj_mx/", &A::recordsAddress, {}};
inline const Endpoint kReferralRecordsPage{"/tj_mx/", &A::recordsAddress, {"y"}};
inline const Endpoint kReferralRecordSearch{"/tj_mx_s/", &A::recordsAddress, {"n"}};
inline const Endpoint kReferralRecordSearchPage{"/tj_mx_s/", &A::recordsAddress, {"n", "y"}};
inline const Endpoint kWithdrawalRecords{"/tx_mx/", &A::recordsAddress, {}};
inline const Endpoint kRechargeRecords{"/cz_mx/", &A::recordsAddress, {}};

}  // namespace endpoint
}  // namespace verdomo
