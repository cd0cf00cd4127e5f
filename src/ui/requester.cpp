#include "ui/requester.h"

#include <QEventLoop>
#include <QMetaObject>
#include <thread>

#include "api/api_client.h"

namespace verdomo {

GbkText UiRequester::getText(std::string_view gbkUrl) {
  const GbkText url(gbkUrl);
  GbkText reply;
  QEventLoop loop;
  std::thread transfer([&] {
    reply = verdomo::getText(session_, url);
    // Queued, so it is handled inside exec() even when the transfer ends before exec() starts;
    // by name, so that Qt makes the call event itself.
    QMetaObject::invokeMethod(&loop, "quit", Qt::QueuedConnection);
  });
  loop.exec(QEventLoop::ExcludeUserInputEvents);
  transfer.join();
  return reply;
}

}  // namespace verdomo
