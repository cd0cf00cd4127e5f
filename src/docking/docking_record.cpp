#include "docking/docking_record.h"

#include "api/gbk_text.h"
#include "api/reply_forms.h"

namespace verdomo {
namespace {

using namespace verdomo::literals;

constexpr std::size_t kDockingFields = 9;
constexpr std::size_t kShortestCode = 13;

bool isSpaceAt(std::string_view text, std::size_t at) {
  static const GbkText fullWidth = "　"_gbk;
  return text.substr(at, 1) == " " || text.substr(at, fullWidth.size()) == fullWidth;
}

}  // namespace

std::vector<DockingRecord> dockingRecords(std::string_view reply) {
  static const GbkText sendMarker = "(发送"_gbk;
  static const GbkText send = "发短信"_gbk;
  static const GbkText receive = "收短信"_gbk;
  std::vector<DockingRecord> records;
  for (Record& fields : parseRecordList(reply, kDockingFields, Spaces::Keep)) {
    const bool sends = containsText(fields[2], sendMarker);
    GbkText name = sends ? textBefore(fields[2], sendMarker) : std::move(fields[2]);
    records.push_back({std::move(fields[1]), std::move(name), std::move(fields[3]),
                       sends ? send : receive, std::move(fields[0]), std::move(fields[5])});
  }
  return records;
}

GbkText trimSpaces(std::string_view text) {
  // Walked character by character from the front, so a full-width space is never matched
  // across two characters; from the back, the last character is found the same way.
  std::size_t start = 0;
  while (start < text.size() && isSpaceAt(text, start))
    start += characterLength(text, start);
  std::size_t end = start;
  std::size_t lastKept = start;
  while (end < text.size()) {
    const std::size_t length = characterLength(text, end);
    end += length;
    if (!isSpaceAt(text, end - length)) lastKept = end;
  }
  return GbkText(text.substr(start, lastKept - start));
}

bool dockingCodeAccepted(std::string_view code) {
  return code.size() >= kShortestCode;
}

}  // namespace verdomo
