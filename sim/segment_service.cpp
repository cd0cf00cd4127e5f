#include "sim/segment_service.h"

#include <string>

#include "sim/gbk_ops.h"
#include "sim/http/path_decoding.h"

namespace verdomo::sim {
namespace {

using namespace verdomo::literals;

// The value of `key` in a query text "a=1&tel=…", or the empty text.
std::string queryValue(std::string_view query, std::string_view key) {
  for (const GbkText& pair : splitGbk(query, "&")) {
    const std::size_t equals = pair.find('=');
    if (equals != std::string::npos && pair.substr(0, equals) == key)
      return percentDecode(pair.substr(equals + 1));
  }
  return {};
}

GbkText quoted(std::string_view name, const GbkText& value) {
  return "    " + std::string(name) + ":'" + value + "'";
}

}  // namespace

HttpResponse SegmentService::handle(const HttpRequest& request) const {
  const std::string_view target = request.target;
  const std::size_t question = target.find('?');
  if (percentDecode(target.substr(0, question)) != "/cc/json/mobile_tel_segment.htm")
    return {.status = 404, .body = "404 Not Found", .endpoint = "segment"};

  std::string tel = question == std::string_view::npos
                        ? std::string()
                        : queryValue(target.substr(question + 1), "tel");
  if (!isDigits(tel)) tel.clear();
  const Segment* segment = plan_.findSegment(tel);
  const GbkText province = segment ? segment->province : GbkText();
  const GbkText carrier = segment ? carrierName(segment->carrier) : GbkText();
  const GbkText local =
      segment ? segment->province + carrierShortName(segment->carrier) : GbkText();
  const GbkText body = "__GetZoneResult_ = {\n" + quoted("mts", tel.substr(0, 7)) + ",\n" +
                       quoted("province", province) + ",\n" + quoted("catName", carrier) + ",\n" +
                       quoted("telString", tel) + ",\n" +
                       quoted("areaVid", segment ? segment->areaVid : "") + ",\n" +
                       quoted("ispVid", segment ? segment->ispVid : "") + ",\n" +
                       quoted("carrier", local) + "\n}";
  return {.contentType = "text/javascript; charset=GBK", .body = body, .endpoint = "segment"};
}

}  // namespace verdomo::sim
