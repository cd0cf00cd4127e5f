#pragma once
// Taking numbers: the filter values, the take replies and the project rule of the 取号 page.

#include <optional>
#include <string_view>
#include <vector>

#include "api/request_url.h"

namespace verdomo {

inline constexpr int kMaxTakeQuantity = 10;

// What a plain take asks the platform to filter by; empty values filter nothing.
struct TakeFilters {
  GbkText operatorValue;  // "" for 默认, else "1", "2" or "3"
  GbkText region;         // "" for 默认, else the province name
  GbkText card;           // "" for 默认, else "1" or "2"
  GbkText loop;           // the receive loop flag
};

// An operator or card-type choice: "" for the first item "默认", else its index.
GbkText indexFilter(int index, std::string_view itemText);
// A region choice: "" for "默认", else the item's own text.
GbkText regionFilter(std::string_view itemText);

struct TakeReply {
  enum class Kind { kNothing, kNumber, kRefused };
  Kind kind = Kind::kNothing;
  GbkText phone;    // kNumber
  GbkText message;  // kRefused: the reply with every "0|" removed
};
// "1|<number>" gives a number; an empty reply, or "1" without a number, gives nothing; anything
// else is a refusal.
TakeReply parseTakeReply(std::string_view reply);

// The ID text of a project item, when the item names a project that numbers can be taken for.
std::optional<GbkText> takeableProjectId(std::string_view projectItem);

// The items a project search offers the 取号 page: receive projects of five fields or more, in
// reply order, or the single item "未搜索到相关项目".
std::vector<GbkText> receiveSearchItems(std::string_view reply);

// Every listed phone number that is not empty, each followed by CR LF.
GbkText phoneNumberLines(const std::vector<GbkText>& phones);

GbkText takeUrl(const ServiceAddresses& addresses, const Credentials& credentials,
                std::string_view projectId, const TakeFilters& filters);
GbkText takeSpecificUrl(const ServiceAddresses& addresses, const Credentials& credentials,
                        std::string_view projectId, std::string_view phone);

}  // namespace verdomo
