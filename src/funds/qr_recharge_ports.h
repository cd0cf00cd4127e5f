#pragma once
// Starts the QrRechargeWorker: one QR request on a thread of its own, its answer decoded there
// and handed to the recharge window on the UI thread. A window closed meanwhile gets nothing.

#include <string>

namespace verdomo {

struct AppContext;
class RechargeWindow;

void startQrRechargeWorker(AppContext& context, RechargeWindow* window, std::string typedAmount);

}  // namespace verdomo
