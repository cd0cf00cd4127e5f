#pragma once
// The 取号 page's workers on threads of their own: the take of numbers (one thread per click),
// the SMS poll and the attribution (one thread each for the page's life). They reach the page's
// controls only through the UI dispatch; once the page is gone, reads answer nothing, writes
// are dropped and the stop token ends the loops at their next pause.

#include <functional>
#include <stop_token>

#include "receive/number_take_worker.h"

class QWidget;

namespace verdomo {

struct AppContext;
class ReceiveControls;

// The addresses and credentials every request of the page carries, as signed in.
ReceiveRequest receiveRequest(const AppContext& context);

// `finished` runs on the UI thread when the take is over.
void startNumberTakeWorker(AppContext& context, QWidget* page, ReceiveControls& controls,
                           std::stop_token stop, std::function<void()> finished);
void startSmsPollWorker(AppContext& context, QWidget* page, ReceiveControls& controls,
                        std::stop_token stop);
void startAttributionWorker(AppContext& context, QWidget* page, ReceiveControls& controls,
                            std::stop_token stop);

}  // namespace verdomo
