#pragma once
// The 发短信 page's worker on a thread of its own: the send-result poll, for the page's life. It
// reaches the page's fields only through the UI dispatch; once the page is gone, reads answer
// nothing, writes are dropped and the stop token ends the loop at its next pause.

#include <stop_token>

class QWidget;

namespace verdomo {

struct AppContext;
class SendControls;

void startSendResultPollWorker(AppContext& context, QWidget* page, SendControls& controls,
                               std::stop_token stop);

}  // namespace verdomo
