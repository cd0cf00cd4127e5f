#include "receive/number_take.h"

#include <string>

#include "api/gbk_text.h"
#include "api/project_item.h"
#include "api/reply_forms.h"

namespace verdomo {
namespace {

using namespace verdomo::literals;

bool isDefault(std::string_view itemText) {
  static const GbkText defaultItem = "默认"_gbk;
  return itemText == defaultItem;
}

}  // namespace

GbkText indexFilter(int index, std::string_view itemText) {
  return isDefault(itemText) ? GbkText() : std::to_string(index);
}

GbkText regionFilter(std::string_view itemText) {
  return isDefault(itemText) ? GbkText() : GbkText(itemText);
}

TakeReply parseTakeReply(std::string_view reply) {
  const std::vector<GbkText> pieces = splitFields(reply, "|");
  if (pieces.empty()) return {};
  if (pieces[0] == "1") {
    // A success without a number changes nothing, as an empty reply does.
    if (pieces.size() < 2 || pieces[1].empty()) return {};
    return {TakeReply::Kind::kNumber, pieces[1], {}};
  }
  return {TakeReply::Kind::kRefused, {}, replaceAllText(reply, "0|", "")};
}

std::optional<GbkText> takeableProjectId(std::string_view projectItem) {
  ProjectId id = projectIdOf(projectItem);
  if (projectItem.empty() || id.value < kLowestProjectId) return std::nullopt;
  return std::move(id.text);
}

std::vector<GbkText> receiveSearchItems(std::string_view reply) {
  static const GbkText sendWord = "发送"_gbk;
  std::vector<GbkText> items;
  for (const Record& record : parseRecordList(reply, 5, Spaces::Remove)) {
    if (!containsText(record[1], sendWord))
      items.push_back(projectItemText(record[0], record[1], record[2]));
  }
  if (items.empty()) items.push_back("未搜索到相关项目"_gbk);
  return items;
}

GbkText phoneNumberLines(const std::vector<GbkText>& phones) {
  GbkText lines;
  for (const GbkText& phone : phones) {
    if (!phone.empty()) lines += phone + "\r\n";
  }
  return lines;
}

GbkText takeUrl(const ServiceAddresses& addresses, const Credentials& credentials,
                std::string_view projectId, const TakeFilters& filters) {
  return requestUrl(addresses, credentials, endpoint::kTakeNumber,
                    {projectId, filters.operatorValue, filters.region, filters.card, filters.loop});
}

GbkText takeSpecificUrl(const ServiceAddresses& addresses, const Credentials& credentials,
                        std::string_view projectId, std::string_view phone) {
  return requestUrl(addresses, credentials, endpoint::kTakeSpecificNumber, {projectId, phone});
}

}  // namespace verdomo
