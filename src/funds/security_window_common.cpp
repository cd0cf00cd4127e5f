#include "funds/security_window_common.h"

#include <QComboBox>

#include "api/reply_forms.h"
#include "session/app_context.h"
#include "ui/gbk_qt.h"
#include "ui/requester.h"

namespace verdomo {

void showOnlyQuestion(QComboBox* questions, std::string_view question) {
  questions->clear();
  questions->addItem(fromGbk(question));
  questions->setCurrentIndex(0);
}

bool sendSecurityChange(AppContext& context, const Endpoint& endpoint,
                        std::initializer_list<std::string_view> values, GbkText& reply) {
  UiRequester requester;
  const SessionState& session = context.session;
  reply = requester.getText(requestUrl(session.addresses, session.credentials(), endpoint, values));
  return keywordReplySucceeded(reply);
}

}  // namespace verdomo
