#include "funds/qr_recharge_ports.h"

#include "api/api_client.h"
#include "funds/qr_recharge.h"
#include "funds/recharge_window.h"
#include "session/app_context.h"
#include "ui/picture.h"
#include "ui/thread_dispatch.h"
#include "ui/worker_threads.h"

namespace verdomo {

void startQrRechargeWorker(AppContext& context, RechargeWindow* window, std::string typedAmount) {
  startWorkerThread([dispatch = UiDispatch(window), window, addresses = context.session.addresses,
                     credentials = context.session.credentials(),
                     typedAmount = std::move(typedAmount),
                     timeoutMs = context.pacing.requestTimeout(kPlatformTimeoutMs)] {
    HttpSession session;
    const QrReply reply =
        qrReplyOf(requestQrPicture(session, addresses, credentials, typedAmount, timeoutMs));
    // Decoded here, off the UI thread; bytes that are no picture give none.
    const QImage picture = reply.refusal ? QImage() : decodePicture(reply.picture);
    dispatch.post([window, refusal = reply.refusal, picture, failure = session.failure()] {
      window->showQrReply(refusal, picture, failure);
    });
  });
}

}  // namespace verdomo
