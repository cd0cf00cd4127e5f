#pragma once
// Checking the registration form and building its request.

#include <optional>

#include "api/service_address.h"
#include "platform/gbk_codec.h"

namespace verdomo {

struct RegistrationForm {
  GbkText userName;
  GbkText password;
  GbkText confirmation;
  GbkText contactQq;
  GbkText realName;
  GbkText alipayAccount;
  GbkText securityQuestion;
  GbkText securityAnswer;
  GbkText referrer;
};

// The message for the first check the (space-free) form fails; nothing when it passes.
std::optional<GbkText> registrationProblem(const RegistrationForm& form);

// Real name, question and answer go out percent-encoded, everything else as typed.
GbkText registrationUrl(const ServiceAddresses& addresses, const RegistrationForm& form);

// Only this exact reply is a success.
bool registrationSucceeded(std::string_view reply);

}  // namespace verdomo
