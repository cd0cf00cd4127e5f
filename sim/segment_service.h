#pragma once
// The phone-number segment service: GET /cc/json/mobile_tel_segment.htm?tel=<number>, answered
// in GBK in the service's own shape:
//   __GetZoneResult_ = {
//       mts:'1594578',
//       province:'黑龙江',
//       ...
//   }
// A segment it does not know answers with every field but mts and telString empty.

#include "sim/http/http_message.h"
#include "sim/number_plan.h"

namespace verdomo::sim {

class SegmentService {
 public:
  explicit SegmentService(const NumberPlan& plan) : plan_(plan) {}
  HttpResponse handle(const HttpRequest& request) const;

 private:
  const NumberPlan& plan_;
};

}  // namespace verdomo::sim
