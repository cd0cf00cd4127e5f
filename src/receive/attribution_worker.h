#pragma once
// The province of every listed number, looked up once per row at the phone-number segment
// service over HTTPS. Any failure gives "未知", and the row is not looked up again.

#include <optional>
#include <stop_token>

#include "api/http_session.h"
#include "api/pause.h"
#include "api/regex_matcher.h"
#include "receive/number_row.h"

namespace verdomo {

inline constexpr int kSegmentTimeoutMs = 5000;

struct AttributedRow {
  RowId id = 0;
  GbkText phone;
  GbkText province;
};

class AttributionPort {
 public:
  virtual ~AttributionPort() = default;
  virtual int rowCount() = 0;
  virtual std::optional<AttributedRow> provinceRowAt(int index) = 0;
  // Lands only while row `id` still holds `phone`.
  virtual void setProvince(RowId id, const GbkText& phone, const GbkText& province) = 0;
};

// `segmentBase` is the service's scheme, host and port, e.g. "https://host".
GbkText segmentLookupUrl(std::string_view segmentBase, std::string_view phone);

// The province the reply names in its province:'…', fragment, or "未知".
GbkText provinceFromReply(RegexMatcher& matcher, std::string_view reply);

// The lookup itself, on the caller's session with the segment service's time-outs.
GbkText lookUpProvince(HttpSession& session, RegexMatcher& matcher, std::string_view segmentBase,
                       std::string_view phone);

class AttributionWorker {
 public:
  AttributionWorker(HttpSession& session, Pause& pause, std::string_view segmentBase,
                    AttributionPort& port);

  // Passes until `stop` is requested.
  void run(const std::stop_token& stop);
  // One pass: every row with a number and no province yet, then the pause between passes.
  void runPass();

 private:
  HttpSession& session_;
  Pause& pause_;
  GbkText segmentBase_;
  AttributionPort& port_;
  RegexMatcher matcher_;  // one per thread, as the worker is
};

}  // namespace verdomo
