#include "api/reply_forms.h"

#include "api/gbk_text.h"

namespace verdomo {

StatusReply parseStatusReply(std::string_view reply) {
  return {splitFields(reply, "|")};
}

GbkText refusalMessage(std::string_view reply) {
  return replaceAllText(reply, "0|", "");
}

bool keywordReplySucceeded(std::string_view reply) {
  static const GbkText success = utf8ToGbk("成功");
  return containsText(reply, success);
}

std::vector<Record> parseRecordList(std::string_view reply, std::size_t minFields, Spaces spaces) {
  const GbkText cleaned = spaces == Spaces::Remove ? removeAllSpaces(reply) : GbkText();
  const std::string_view text = spaces == Spaces::Remove ? std::string_view(cleaned) : reply;
  std::vector<Record> records;
  for (std::string_view recordText : splitFieldViews(text, "#c+")) {
    const std::vector<std::string_view> fields = splitFieldViews(recordText, "#c-");
    if (fields.size() < minFields) continue;
    records.emplace_back(fields.begin(), fields.end());
  }
  return records;
}

std::optional<std::vector<GbkText>> parseFieldList(std::string_view reply, std::size_t minFields) {
  std::vector<GbkText> fields = splitFields(reply, "|");
  if (fields.size() < minFields) return std::nullopt;
  return fields;
}

}  // namespace verdomo
