#pragma once
// The rules of the 发短信 page without its window: the send-project search, the length checks,
// the take replies and the request URLs. The page holds one taken number at a time.

#include <optional>
#include <string_view>

#include "api/request_url.h"
#include "projects/favourite_lists.h"
#include "receive/number_take.h"

namespace verdomo {

// The send projects of a search reply: records of five fields or more whose name holds
// "发送号码", in reply order, spaces removed.
SendProjects sendSearchProjects(std::string_view reply);

// A phone number counts when it has more than six bytes once its spaces are removed.
bool phoneLongEnough(std::string_view phone);

// The local checks of a send, in their order: the message of the first that fails.
std::optional<GbkText> sendSmsProblem(std::string_view phone, std::string_view serviceNumber,
                                      std::string_view content);

// A take of this page: "1|<number>" gives a number; a reply that splits into nothing, or "1"
// alone, gives nothing; anything else is shown whole, "0|" included.
struct SendTakeReply {
  enum class Kind { kNothing, kNumber, kRefused };
  Kind kind = Kind::kNothing;
  GbkText phone;
};
SendTakeReply parseSendTakeReply(std::string_view reply);

// "号码归属地: " and the province of the taken number.
GbkText provinceLabel(std::string_view province);

// A plain take is the 取号 page's takeUrl with this page's filters and loop flag; the take of a
// specific number keeps the filters and the loop flag, then the number as typed.
GbkText sendTakeSpecificUrl(const ServiceAddresses& addresses, const Credentials& credentials,
                            std::string_view projectId, const TakeFilters& filters,
                            std::string_view phone);
GbkText sendSmsUrl(const ServiceAddresses& addresses, const Credentials& credentials,
                   std::string_view projectId, std::string_view serviceNumber,
                   std::string_view phone, std::string_view content);

}  // namespace verdomo
