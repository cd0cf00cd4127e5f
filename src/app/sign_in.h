#pragma once
// Checking the sign-in input and taking the sign-in reply apart.

#include <optional>
#include <string_view>
#include <vector>

#include "session/session_state.h"

namespace verdomo {

// Every byte, lower-cased, is a digit, a letter, "@" or "."; a Chinese character fails on its
// first byte.
bool userNameCharactersAllowed(std::string_view userName);

// The message for the first check the (space-free) input fails, in the order: characters of the
// user name, user name too short, password too short, password too long, user name too long.
std::optional<GbkText> signInInputProblem(std::string_view userName, std::string_view password);

// The sign-in answers at least 11 fields: balance, withdrawable amount, two unused, security
// question, contact QQ, real name, Alipay account, notice, support QQ, account type.
inline constexpr std::size_t kSignInFields = 11;

// Stores the reply's account facts in the session (fields 1, 2 and 5 to 10).
void storeSignInReply(SessionState& session, const std::vector<GbkText>& fields);

// A merchant account ("商户" in field 11) may not use this client.
bool isMerchantAccount(const std::vector<GbkText>& fields);

GbkText signInUrl(const ServiceAddresses& addresses, std::string_view userName,
                  std::string_view password);

}  // namespace verdomo
