#include "funds/security_window_common.h"

#include <QComboBox>

#include "api/reply_forms.h"
#include "session/app_context.h"
#include "ui/gbk_qt.h"
#include "ui/requester.h"
#include "ui/transport_failure_message.h"

namespace verdomo {

void showOnlyQuestion(QComboBox* questions, std::string_view question) {
  questions->clear();
  questions->addItem(fromGbk(question));
  questions->setCurrentIndex(0);
}

SecurityChangeOutcome sendSecurityChange(AppContext& context, const Endpoint& endpoint,
                                         std::initializer_list<std::string_view> values) {
  UiRequester requester(context.pacing);
  const SessionState& session = context.session;
  SecurityChangeOutcome outcome;
  outcome.reply =
      requester.getText(requestUrl(session.addresses, session.credentials(), endpoint, values));
  outcome.failure = requester.lastFailure();
  outcome.saved = keywordReplySucceeded(outcome.reply);
  return outcome;
}

void showSecurityChangeReply(AppContext& context, QWidget* window,
                             const SecurityChangeOutcome& outcome) {
  informReply(context.dialogs, window, outcome.reply, outcome.failure);
}

}  // namespace verdomo
