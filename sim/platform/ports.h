#pragma once
// The platform's fixed ports, one per group of requests. The simulator adds its port offset.

namespace verdomo::sim {

inline constexpr int kAccountPort = 82;     // sign-in, registration, account changes
inline constexpr int kProjectPort = 83;     // catalogue, favourites, applications
inline constexpr int kDockingPort = 85;     // dockings, balance
inline constexpr int kNumberPort = 81;      // taking numbers
inline constexpr int kReleasePort = 107;    // releasing and blacklisting
inline constexpr int kPollPort = 38123;     // polling, withdrawals, recharge submission
inline constexpr int kRecordsPort = 130;    // record lists
inline constexpr int kSendPort = 1780;      // send orders
inline constexpr int kPaymentPort = 16899;  // payee, QR recharge

inline constexpr int kPlatformPorts[] = {kAccountPort, kProjectPort, kDockingPort,
                                         kNumberPort,  kReleasePort, kPollPort,
                                         kRecordsPort, kSendPort,    kPaymentPort};

// The largest port offset that keeps every platform port valid.
inline constexpr int kMaxPortOffset = 65535 - kPollPort;

}  // namespace verdomo::sim
