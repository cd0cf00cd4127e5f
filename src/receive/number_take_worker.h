#pragma once
// The take of numbers and the release of the whole number list. They run on the take worker's
// thread or, for the specific take and the list buttons, on the UI thread; either way they reach
// the page only through its port.

#include <optional>
#include <vector>

#include "api/api_client.h"
#include "api/clock.h"
#include "api/pause.h"
#include "api/request_url.h"
#include "receive/number_row.h"
#include "receive/number_take.h"

namespace verdomo {

// What releasing the listed numbers needs of the page. Rows are named by their identity: the
// list stays usable while it is released, and "再次使用号码" may put another number into a row.
class NumberListPort {
 public:
  virtual ~NumberListPort() = default;
  virtual void setReleaseLabel(const GbkText& text) = 0;
  // The rows listed now, in list order.
  virtual std::vector<RowId> listedRowIds() = 0;
  // What row `id` holds now; nothing once it has left the list.
  virtual std::optional<ListedNumber> listedNumber(RowId id) = 0;
  // Deletes each of these rows while it still holds the number that was released from it.
  virtual void deleteReleasedRows(const std::vector<ListedNumber>& released) = 0;
};

// What the takes need of the page besides.
class NumberTakePort : public NumberListPort {
 public:
  virtual GbkText quantityText() = 0;
  virtual GbkText selectedProjectItem() = 0;
  virtual GbkText specificNumberText() = 0;
  virtual void clearSpecificNumber() = 0;
  virtual TakeFilters filters() = 0;
  virtual void setTakeButtonsEnabled(bool enabled) = 0;
  virtual bool hasRows() = 0;
  // Appends a row numbered after the rows there are, with the other cells empty.
  virtual void appendNumber(const GbkText& phone, const GbkText& takeTime,
                            const GbkText& projectId) = 0;
  // Shows a message and returns when the user has closed it.
  virtual void showMessage(const GbkText& text) = 0;
  // Says that a take got no reply at all, and returns when the user has closed the message.
  virtual void showTransportFailure(TransportFailure failure) = 0;
};

// Who asks, and where.
struct ReceiveRequest {
  ServiceAddresses addresses;
  Credentials credentials;
};

// Gives every listed number back to the platform ("/yh_sf/") or blacklists it ("/yh_lh/"),
// one request per row with the row's own project, then empties the list. Each row's number is
// read just before its request, so a number put into a row meanwhile is the one released; a row
// that gets another number after its request stays listed, never dropped unreleased.
void releaseListedNumbers(PlatformRequester& requester, Pause& pause, const ReceiveRequest& request,
                          const Endpoint& path, NumberListPort& port);

// One click of "获取手机号码", on a thread of its own: checks the quantity, releases the listed
// numbers, then asks for the quantity, 500 ms apart. A run whose takes got no reply and that
// leaves the list empty ends by saying so.
class NumberTakeWorker {
 public:
  NumberTakeWorker(PlatformRequester& requester, Pause& pause, const Clock& clock,
                   const ReceiveRequest& request, NumberTakePort& port);
  void run();

 private:
  void takeNumbers(const GbkText& projectId, int quantity);

  PlatformRequester& requester_;
  Pause& pause_;
  const Clock& clock_;
  const ReceiveRequest& request_;
  NumberTakePort& port_;
};

// One click of "指定手机号码"; a take that got no reply says so.
void takeSpecifiedNumber(PlatformRequester& requester, Pause& pause, const Clock& clock,
                         const ReceiveRequest& request, NumberTakePort& port);

}  // namespace verdomo
