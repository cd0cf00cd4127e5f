#pragma once
// The platform's endpoints, one function each, grouped by family in the files named below. Each
// runs under the platform lock with the account whose credentials the request carried (null
// only for sign-in and registration, which check them themselves) and answers GBK text in the
// endpoint's reply form.

#include "sim/http/http_message.h"
#include "sim/platform/platform_request.h"
#include "sim/platform/platform_state.h"

namespace verdomo::sim {

using EndpointHandler = HttpResponse (*)(PlatformState&, const PlatformRequest&, Account*);

HttpResponse textReply(std::string body);

// accounts.cpp (port 82)
HttpResponse signIn(PlatformState&, const PlatformRequest&, Account*);
HttpResponse registerAccount(PlatformState&, const PlatformRequest&, Account*);
HttpResponse changePassword(PlatformState&, const PlatformRequest&, Account*);
HttpResponse changeProfile(PlatformState&, const PlatformRequest&, Account*);
HttpResponse changeSecurity(PlatformState&, const PlatformRequest&, Account*);

// projects.cpp (port 83)
HttpResponse searchCatalogue(PlatformState&, const PlatformRequest&, Account*);
HttpResponse listFavourites(PlatformState&, const PlatformRequest&, Account*);
HttpResponse addFavourite(PlatformState&, const PlatformRequest&, Account*);
HttpResponse removeFavourite(PlatformState&, const PlatformRequest&, Account*);
HttpResponse applyForProject(PlatformState&, const PlatformRequest&, Account*);

// numbers.cpp (ports 81 and 107)
HttpResponse takeNumber(PlatformState&, const PlatformRequest&, Account*);
HttpResponse releaseNumber(PlatformState&, const PlatformRequest&, Account*);
HttpResponse blacklistNumber(PlatformState&, const PlatformRequest&, Account*);

// polling.cpp (port 38123)
HttpResponse pollNumber(PlatformState&, const PlatformRequest&, Account*);

// sending.cpp (port 1780)
HttpResponse submitSendOrder(PlatformState&, const PlatformRequest&, Account*);

// dockings.cpp (port 85)
HttpResponse listDockings(PlatformState&, const PlatformRequest&, Account*);
HttpResponse listPublicDockings(PlatformState&, const PlatformRequest&, Account*);
HttpResponse joinDocking(PlatformState&, const PlatformRequest&, Account*);
HttpResponse switchDocking(PlatformState&, const PlatformRequest&, Account*);
HttpResponse deleteDocking(PlatformState&, const PlatformRequest&, Account*);

// records.cpp (port 130)
HttpResponse smsRecords(PlatformState&, const PlatformRequest&, Account*);
HttpResponse smsRecordSearch(PlatformState&, const PlatformRequest&, Account*);
HttpResponse referralRecords(PlatformState&, const PlatformRequest&, Account*);
HttpResponse referralRecordSearch(PlatformState&, const PlatformRequest&, Account*);
HttpResponse withdrawalRecords(PlatformState&, const PlatformRequest&, Account*);
HttpResponse rechargeRecords(PlatformState&, const PlatformRequest&, Account*);

// funds.cpp (ports 85, 38123 and 16899)
HttpResponse balance(PlatformState&, const PlatformRequest&, Account*);
HttpResponse withdraw(PlatformState&, const PlatformRequest&, Account*);
HttpResponse payee(PlatformState&, const PlatformRequest&, Account*);
HttpResponse manualRecharge(PlatformState&, const PlatformRequest&, Account*);
HttpResponse qrRecharge(PlatformState&, const PlatformRequest&, Account*);

}  // namespace verdomo::sim
