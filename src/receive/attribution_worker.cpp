#include "receive/attribution_worker.h"

namespace verdomo {
namespace {

using namespace verdomo::literals;

constexpr int kAfterPassMs = 500;

}  // namespace

GbkText segmentLookupUrl(std::string_view segmentBase, std::string_view phone) {
  return GbkText(segmentBase) + "/cc/json/mobile_tel_segment.htm?tel=" + GbkText(phone);
}

GbkText provinceFromReply(RegexMatcher& matcher, std::string_view reply) {
  matcher.execute("province:'(.*?)',", reply);
  GbkText province = matcher.subMatchText(1, 1);
  return province.empty() ? "未知"_gbk : province;
}

GbkText lookUpProvince(HttpSession& session, RegexMatcher& matcher, std::string_view segmentBase,
                       std::string_view phone) {
  session.setTimeouts(kSegmentTimeoutMs, kSegmentTimeoutMs, kSegmentTimeoutMs, kSegmentTimeoutMs);
  session.open("GET", segmentLookupUrl(segmentBase, phone));
  session.send();
  return provinceFromReply(matcher, session.responseBodyText());
}

void runAttributionPass(HttpSession& session, Pause& pause, RegexMatcher& matcher,
                        std::string_view segmentBase, AttributionPort& port) {
  const int rows = port.rowCount();
  for (int index = 0; index < rows; ++index) {
    const std::optional<AttributedRow> row = port.provinceRowAt(index);
    if (!row || row->phone.empty() || !row->province.empty()) continue;
    port.setProvince(row->id, row->phone,
                     lookUpProvince(session, matcher, segmentBase, row->phone));
  }
  pause.pause(kAfterPassMs);
}

void runAttributionWorker(Pause& pause, std::string_view segmentBase, AttributionPort& port,
                          std::stop_token stop) {
  HttpSession session;
  RegexMatcher matcher;
  while (!stop.stop_requested())
    runAttributionPass(session, pause, matcher, segmentBase, port);
}

}  // namespace verdomo
