#include "ui/requester.h"

#include <QEventLoop>
#include <QMetaObject>
#include <thread>

#include "api/api_client.h"

namespace verdomo {

GbkText waitOffUiThread(const std::function<GbkText()>& work) {
  GbkText answer;
  QEventLoop loop;
  std::thread helper([&] {
    answer = work();
    // Queued, so it is handled inside exec() even when the work ends before exec() starts;
    // by name, so that Qt makes the call event itself.
    QMetaObject::invokeMethod(&loop, "quit", Qt::QueuedConnection);
  });
  loop.exec(QEventLoop::ExcludeUserInputEvents);
  helper.join();
  return answer;
}

GbkText UiRequester::getText(std::string_view gbkUrl) {
  const GbkText url(gbkUrl);
  return waitOffUiThread([&] { return verdomo::getText(session_, url, timeoutMs_); });
}

}  // namespace verdomo
