#pragma once
// What the three security windows share: the question list that shows the current security
// question, and the request each save sends.

#include <QString>
#include <initializer_list>
#include <string_view>

#include "platform/gbk_codec.h"

class QComboBox;
class QWidget;

namespace verdomo {

struct AppContext;
struct Endpoint;

// Empties `questions` and shows `question` as its only, selected item.
void showOnlyQuestion(QComboBox* questions, std::string_view question);

// Sends a security change and answers whether its reply holds "成功"; the reply goes to `reply`.
bool sendSecurityChange(AppContext& context, const Endpoint& endpoint,
                        std::initializer_list<std::string_view> values, GbkText& reply);

}  // namespace verdomo
