#include "projects/project_catalogue.h"

#include "api/gbk_text.h"
#include "api/reply_forms.h"

namespace verdomo {
namespace {

using namespace verdomo::literals;

const GbkText& tick() {
  static const GbkText mark = "√"_gbk;
  return mark;
}

}  // namespace

GbkText projectKind(std::string_view name) {
  static const GbkText sendMarker = "发送号码"_gbk;
  static const GbkText send = "发短信"_gbk;
  static const GbkText receive = "收短信"_gbk;
  return containsText(name, sendMarker) ? send : receive;
}

std::vector<ProjectRecord> catalogueRows(std::string_view reply) {
  std::vector<ProjectRecord> rows;
  for (Record& record : parseRecordList(reply, 5, Spaces::Remove)) {
    GbkText kind = projectKind(record[1]);
    GbkText favourite = record[4] != "0" ? tick() : GbkText();
    rows.push_back({std::move(record[0]), std::move(record[1]), std::move(record[2]),
                    std::move(kind), std::move(favourite)});
  }
  return rows;
}

std::vector<ProjectRecord> favouriteRows(std::string_view reply) {
  std::vector<ProjectRecord> rows;
  for (Record& record : parseRecordList(reply, 3, Spaces::Remove)) {
    GbkText kind = projectKind(record[1]);
    rows.push_back({std::move(record[0]), std::move(record[1]), std::move(record[2]),
                    std::move(kind), tick()});
  }
  return rows;
}

GbkText catalogueUrl(const ServiceAddresses& addresses, const Credentials& credentials,
                     std::string_view searchText) {
  return requestUrl(addresses, credentials, endpoint::kProjectSearch, {searchText});
}

}  // namespace verdomo
