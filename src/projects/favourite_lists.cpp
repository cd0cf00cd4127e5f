#include "projects/favourite_lists.h"

#include "api/gbk_text.h"
#include "api/project_item.h"
#include "api/reply_forms.h"

namespace verdomo {
namespace {

using namespace verdomo::literals;

std::vector<Record> favouriteRecordsLastFirst(std::string_view reply) {
  std::vector<Record> records = parseRecordList(reply, 3, Spaces::Remove);
  return {records.rbegin(), records.rend()};
}

}  // namespace

GbkText noReceiveFavouritesItem() {
  return "您未收藏[短信项目]，可通过关键字或项目ID进行搜索。"_gbk;
}

GbkText noSendFavouritesItem() {
  return "您未收藏[发短信项目]，可通过关键字或项目ID进行搜索。"_gbk;
}

std::vector<GbkText> receiveFavouriteItems(std::string_view reply) {
  static const GbkText sendWord = "发送"_gbk;
  std::vector<GbkText> items;
  for (const Record& record : favouriteRecordsLastFirst(reply)) {
    if (containsText(record[1], sendWord)) continue;
    items.push_back(projectItemText(record[0], record[1], record[2]));
  }
  return items;
}

SendProjects sendProjectsOf(const std::vector<Record>& records) {
  static const GbkText sendMarker = "发送号码"_gbk;
  static const GbkText nameEnd = "(发送号码"_gbk;
  static const GbkText sendSuffix = " - (发短信)"_gbk;
  SendProjects projects;
  for (const Record& record : records) {
    if (!containsText(record[1], sendMarker)) continue;
    projects.projectLines += record[1] + "\r\n";
    projects.items.push_back(projectItemText(record[0], textBefore(record[1], nameEnd), record[2]) +
                             sendSuffix);
  }
  return projects;
}

SendProjects sendFavourites(std::string_view reply) {
  return sendProjectsOf(favouriteRecordsLastFirst(reply));
}

std::vector<GbkText> senderNumbersOf(std::string_view line) {
  static const GbkText numbersStart = "发送号码:"_gbk;
  const std::size_t start = findText(line, numbersStart);
  if (start == kNotFound) return {};
  const std::string_view rest = line.substr(start + numbersStart.size());
  const std::size_t end = findText(rest, ")");
  if (end == kNotFound) return {};
  return splitFields(rest.substr(0, end), "#");
}

std::vector<GbkText> senderNumbers(std::string_view projectLines, std::string_view key) {
  std::vector<GbkText> numbers;
  for (const GbkText& line : splitFields(projectLines, "\r\n")) {
    if (!key.empty() && !containsText(line, key)) continue;
    for (GbkText& number : senderNumbersOf(line))
      numbers.push_back(std::move(number));
  }
  return numbers;
}

GbkText sendItemKey(std::string_view item) {
  const std::size_t bracket = findText(item, "]");
  if (bracket == kNotFound) return {};
  const std::string_view rest = item.substr(bracket + 1);
  const std::size_t end = findText(rest, " -");
  return end == kNotFound ? GbkText() : GbkText(rest.substr(0, end));
}

}  // namespace verdomo
