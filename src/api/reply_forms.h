#pragma once
// The forms of the platform's replies. A failed request is the empty text, and every form reads
// that as its failure: no status "1", no keyword, no records, too few fields.

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/gbk_codec.h"

namespace verdomo {

// "1|a|b" on success, "0|message" on refusal.
struct StatusReply {
  std::vector<GbkText> fields;
  bool succeeded() const { return !fields.empty() && fields.front() == "1"; }
  // Field i (from 0), or the empty text when the reply is shorter.
  GbkText field(std::size_t i) const { return i < fields.size() ? fields[i] : GbkText(); }
};
StatusReply parseStatusReply(std::string_view reply);

// A refusal shown to the user: the reply with every "0|" taken out, wherever it stands.
GbkText refusalMessage(std::string_view reply);

// A keyword reply succeeds when "成功" occurs anywhere in it.
bool keywordReplySucceeded(std::string_view reply);

// Records separated by "#c+", fields by "#c-". A record with fewer than `minFields` fields is
// left out.
using Record = std::vector<GbkText>;
enum class Spaces { Keep, Remove };
std::vector<Record> parseRecordList(std::string_view reply, std::size_t minFields,
                                    Spaces spaces = Spaces::Keep);

// Fields separated by "|"; nothing when there are fewer than `minFields`.
std::optional<std::vector<GbkText>> parseFieldList(std::string_view reply, std::size_t minFields);

}  // namespace verdomo
