#pragma once
// The local checks of the three security windows, in their order: each answers the message of
// the first check that fails. Every text is checked with its spaces removed, as it is sent.

#include <optional>
#include <string_view>

#include "platform/gbk_codec.h"

namespace verdomo {

// A new password has 6 to 15 bytes; its confirmation at least 6 and the same text.
std::optional<GbkText> passwordChangeProblem(std::string_view answer, std::string_view newPassword,
                                             std::string_view confirmation);

// A QQ number of fewer than 6 bytes passes only with a value of 100000 or more.
std::optional<GbkText> profileProblem(std::string_view answer, std::string_view qq,
                                      std::string_view realName, std::string_view alipayAccount);

std::optional<GbkText> securityQuestionProblem(std::string_view currentAnswer,
                                               std::string_view newAnswer);

}  // namespace verdomo
