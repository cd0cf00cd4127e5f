#include "ui/transport_failure_message.h"

#include "ui/dialogs.h"

namespace verdomo {
namespace {

QString failureKind(TransportFailure failure) {
  switch (failure) {
    case TransportFailure::None:
      break;
    case TransportFailure::HostNotFound:
      return QStringLiteral("找不到服务器");
    case TransportFailure::Refused:
      return QStringLiteral("连接被拒绝");
    case TransportFailure::NoConnection:
      return QStringLiteral("无法建立连接");
    case TransportFailure::ConnectTimedOut:
      return QStringLiteral("连接超时");
    case TransportFailure::ReplyTimedOut:
      return QStringLiteral("响应超时");
    case TransportFailure::Reset:
      return QStringLiteral("连接中断");
    case TransportFailure::BodyTooLarge:
      return QStringLiteral("返回数据过大");
    case TransportFailure::Other:
      return QStringLiteral("网络错误");
  }
  return {};
}

}  // namespace

QString transportFailureMessage(TransportFailure failure) {
  if (failure == TransportFailure::None) return {};
  return QStringLiteral("无法连接服务器，请检查网络后重试（") + failureKind(failure) +
         QStringLiteral("）");
}

void informReply(Dialogs& dialogs, QWidget* parent, std::string_view gbkReply,
                 TransportFailure failure) {
  if (failure == TransportFailure::None) return dialogs.inform(parent, gbkReply);
  dialogs.message(parent, transportFailureMessage(failure), kDefaultCaption, MessageIcon::Question);
}

}  // namespace verdomo
