#pragma once
// What the three security windows share: the question list that shows the current security
// question, and the request each save sends.

#include <QString>
#include <initializer_list>
#include <string_view>

#include "api/transport_failure.h"
#include "platform/gbk_codec.h"

class QComboBox;
class QWidget;

namespace verdomo {

struct AppContext;
struct Endpoint;

// Empties `questions` and shows `question` as its only, selected item.
void showOnlyQuestion(QComboBox* questions, std::string_view question);

struct SecurityChangeOutcome {
  bool saved = false;  // the reply holds "成功"
  GbkText reply;
  TransportFailure failure = TransportFailure::None;
};

// Sends a security change.
SecurityChangeOutcome sendSecurityChange(AppContext& context, const Endpoint& endpoint,
                                         std::initializer_list<std::string_view> values);

// Shows what a change's request answered, or that it got no reply.
void showSecurityChangeReply(AppContext& context, QWidget* window,
                             const SecurityChangeOutcome& outcome);

}  // namespace verdomo
