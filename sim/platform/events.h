#pragma once
// What happens on the platform while nobody asks: SMS arrive, card suppliers carry out send
// orders, QR payments come in and numbers held too long go back to the pool. The platform
// catches up with the clock before it answers each request.

#include <chrono>
#include <string>
#include <string_view>

#include "sim/platform/platform_state.h"

namespace verdomo::sim {

// A number goes back to the pool this long after its take.
inline constexpr std::chrono::minutes kHoldLimit{20};
// A QR payment is taken as paid this long after the code was made.
inline constexpr std::chrono::seconds kQrPaymentTime{60};

void catchUp(PlatformState& state);

// The SMS the project's service sends, with a fresh code.
GbkText serviceSms(const Project& project, std::mt19937& random);
// The SMS the project's service sends to `phone`. Its code derives from the number alone, so
// whoever sees a number and a code beside it can tell whether the code was sent to that number:
// FNV-1a (32 bits) of the number's digits h, then 100000 + h % 900000, or 1000 + h % 9000 for
// the services that send four digits.
GbkText serviceSmsTo(const Project& project, std::string_view phone);
std::string codeForNumber(std::string_view phone, int digits);

}  // namespace verdomo::sim
