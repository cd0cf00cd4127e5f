#include "receive/attribution_worker.h"

namespace verdomo {
namespace {

using namespace verdomo::literals;

constexpr int kAttributionAfterPassMs = 500;

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

AttributionWorker::AttributionWorker(HttpSession& session, Pause& pause,
                                     std::string_view segmentBase, AttributionPort& port)
    : session_(session), pause_(pause), segmentBase_(segmentBase), port_(port) {}

void AttributionWorker::run(const std::stop_token& stop) {
  while (!stop.stop_requested())
    runPass();
}

void AttributionWorker::runPass() {
  const int rows = port_.rowCount();
  for (int index = 0; index < rows; ++index) {
    const std::optional<AttributedRow> row = port_.provinceRowAt(index);
    if (!row || row->phone.empty() || !row->province.empty()) continue;
    port_.setProvince(row->id, row->phone,
                      lookUpProvince(session_, matcher_, segmentBase_, row->phone));
  }
  pause_.pause(kAttributionAfterPassMs);
}

}  // namespace verdomo
