#pragma once
// What a user's action says when its request got no reply at all: one sentence for every page,
// naming the kind of failure, so that a dead network is never shown as an empty message.

#include <QString>
#include <string_view>

#include "api/transport_failure.h"

class QWidget;

namespace verdomo {

class Dialogs;

// "无法连接服务器，请检查网络后重试（连接超时）" and the like; empty for None.
QString transportFailureMessage(TransportFailure failure);

// Shows a platform reply in the usual message, exactly as received, or the sentence above when
// the request failed at the transport. A reply that arrived empty is shown empty.
void informReply(Dialogs& dialogs, QWidget* parent, std::string_view gbkReply,
                 TransportFailure failure);

}  // namespace verdomo
