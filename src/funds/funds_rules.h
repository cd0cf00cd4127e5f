#pragma once
// The rules of the funds windows without their windows: the amount threshold, the balance reply,
// the payee line, the Alipay transaction number and the QR reply's error marker.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gbk_codec.h"

namespace verdomo {

// Withdrawals and QR recharges start at 10 yuan: the typed amount as single precision, widened,
// may fall short of 10 by a rounding error at most.
bool amountAtLeastTenYuan(std::string_view typedAmount);

// What the balance request shows: the first two fields of "balance|withdrawable". A reply with
// fewer fields, or whose second field is no amount (a refusal "0|message"), shows nothing new.
struct Balance {
  GbkText balance;
  GbkText withdrawable;
};
std::optional<Balance> balanceOf(std::string_view reply);

// "转账支付宝：" + account + " （" + name + "）".
GbkText payeeLine(std::string_view name, std::string_view account);

// An Alipay transaction number has 32 bytes.
inline constexpr std::size_t kTransactionNumberBytes = 32;

// The QR reply split at every error marker FF 7B E7: an empty piece before a leading marker, or
// between two markers, counts; the empty piece after a final marker does not. Two pieces or
// more mean a refusal, whose text is the second piece.
std::vector<std::string> splitAtErrorMarker(std::string_view reply);

}  // namespace verdomo
