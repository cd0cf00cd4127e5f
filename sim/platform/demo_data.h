#pragma once
// The platform as the simulator starts it: the catalogue, the notice, the payee, and the demo
// accounts with their favourites, dockings and records.
//
//   demo01 / demo2026    user: favourites in both project lists, three joined dockings,
//                        75 SMS records, 40 referral records, withdrawals and recharges
//   shop01 / shop2026    merchant: the eleventh sign-in field is "商户"
//   friend01 / friend2026  a user referred by demo01: its SMS earn demo01 referral income

#include <cstdint>

#include "sim/platform/platform_state.h"

namespace verdomo::sim {

// Codes a demo user can join (private dockings of the demo suppliers).
inline constexpr const char* kJoinableDockingCodes[] = {"DEMOJOIN2026A", "DEMOJOIN2026B"};

// Alipay transaction numbers that the manual recharge accepts once each: 50.00, 100.00, and a
// transfer of 8.00 that is below the minimum.
inline constexpr const char* kDemoTransfers[] = {"20260101200040011100160000000001",
                                                 "20260101200040011100160000000002",
                                                 "20260101200040011100160000000003"};

void loadDemoData(PlatformState& state, std::uint32_t seed);

}  // namespace verdomo::sim
