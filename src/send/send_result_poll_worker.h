#pragma once
// The SendResultPollWorker: pass after pass it looks at the number taken on the 发短信 page and
// asks the platform what became of it: the send succeeded, failed, or an SMS arrived on the
// number. It gives up after 300 seconds without a result.

#include <cstdint>
#include <optional>
#include <stop_token>

#include "api/api_client.h"
#include "api/clock.h"
#include "api/pause.h"
#include "api/request_url.h"

namespace verdomo {

inline constexpr long long kSendResultWaitLimitSeconds = 300;

// Every take of the page has an identity of its own: a number released and taken again is
// another take, and what was computed for the first must not land on the second.
using TakeId = std::uint64_t;

// What a pass reads of the page, all in one read.
struct SendTake {
  TakeId id = 0;
  GbkText projectItem;  // the selected send project
  GbkText phone;
  GbkText status;
  GbkText takeTime;
};

class SendResultPort {
 public:
  virtual ~SendResultPort() = default;
  // Nothing once the page is gone.
  virtual std::optional<SendTake> readTake() = 0;
  // Writes land only while the page still holds take `of.id` with the number `of.phone`.
  virtual void setResult(const SendTake& of, const GbkText& status, const GbkText& label) = 0;
  virtual void setReceivedSms(const SendTake& of, const GbkText& text) = 0;
};

// Who asks, and where.
struct SendResultRequest {
  ServiceAddresses addresses;
  Credentials credentials;
};

class SendResultPollWorker {
 public:
  SendResultPollWorker(PlatformRequester& requester, Pause& pause, const Clock& clock,
                       const SendResultRequest& request, SendResultPort& port);

  // Passes until `stop` is requested.
  void run(const std::stop_token& stop);
  // One pass: the taken number at most once, then the pause between passes.
  void runPass();

 private:
  void visit(const SendTake& take);
  void poll(const SendTake& take, const GbkText& projectId);

  PlatformRequester& requester_;
  Pause& pause_;
  const Clock& clock_;
  const SendResultRequest& request_;
  SendResultPort& port_;
};

}  // namespace verdomo
