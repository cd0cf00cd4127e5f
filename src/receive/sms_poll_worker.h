#pragma once
// The SMS polling worker: pass after pass over the number list, it asks the platform for the SMS
// of every waiting number and writes status, text and code into the row it read. A number that
// has waited more than 300 seconds is given up.

#include <optional>
#include <stop_token>

#include "api/api_client.h"
#include "api/clock.h"
#include "api/pause.h"
#include "api/regex_matcher.h"
#include "receive/number_row.h"
#include "receive/number_take_worker.h"

namespace verdomo {

inline constexpr long long kSmsWaitLimitSeconds = 300;

// The cells of one row the poll reads.
struct PolledRow {
  RowId id = 0;
  GbkText phone;
  GbkText status;
  GbkText takeTime;
};

class SmsPollPort {
 public:
  virtual ~SmsPollPort() = default;
  virtual GbkText selectedProjectItem() = 0;
  virtual int rowCount() = 0;
  // The row at `index` now; nothing when there is no such row (any more).
  virtual std::optional<PolledRow> rowAt(int index) = 0;
  // Writes land only while row `id` still holds `phone`.
  virtual void setStatus(RowId id, const GbkText& phone, const GbkText& status) = 0;
  virtual void setArrived(RowId id, const GbkText& phone, const GbkText& code,
                          const GbkText& smsText) = 0;
};

// The code of an SMS: its first run of ASCII digits, as long as it goes on.
GbkText smsCode(RegexMatcher& matcher, std::string_view smsText);

class SmsPollWorker {
 public:
  SmsPollWorker(PlatformRequester& requester, Pause& pause, const Clock& clock,
                const ReceiveRequest& request, SmsPollPort& port);

  // Passes until `stop` is requested.
  void run(const std::stop_token& stop);
  // One pass over the list, ending with the pause between passes.
  void runPass();

 private:
  void visitRow(int index);
  void pollRow(const GbkText& projectId, const PolledRow& row);

  PlatformRequester& requester_;
  Pause& pause_;
  const Clock& clock_;
  const ReceiveRequest& request_;
  SmsPollPort& port_;
  RegexMatcher matcher_;  // one per thread, as the worker is
};

}  // namespace verdomo
