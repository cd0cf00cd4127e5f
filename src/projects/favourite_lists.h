#pragma once
// What the favourites fill: the project lists of the receive and send pages, the sender numbers
// and the send-project lines the send page picks its numbers from.

#include <string_view>
#include <vector>

#include "api/reply_forms.h"
#include "platform/gbk_codec.h"

namespace verdomo {

// The placeholders when no favourite fits a list.
GbkText noReceiveFavouritesItem();
GbkText noSendFavouritesItem();

// Receive projects (names without "发送"), last record first, as "[ID]name - {价格}：price".
std::vector<GbkText> receiveFavouriteItems(std::string_view reply);

// The send projects of a list of project records: those whose name holds "发送号码".
struct SendProjects {
  std::vector<GbkText> items;  // "[ID]short name - {价格}：price - (发短信)"
  GbkText projectLines;        // each accepted project's full name and CR LF, in item order
};
SendProjects sendProjectsOf(const std::vector<Record>& records);

// The send favourites, last record first.
SendProjects sendFavourites(std::string_view reply);

// The sender numbers of one line: between its first "发送号码:" and the first ")" after it,
// split at "#".
std::vector<GbkText> senderNumbersOf(std::string_view line);

// The sender numbers of every line that contains `key` (every line for an empty key), in order.
std::vector<GbkText> senderNumbers(std::string_view projectLines, std::string_view key = {});

// The short name of a send-project item: between its first "]" and the next " -".
GbkText sendItemKey(std::string_view item);

}  // namespace verdomo
