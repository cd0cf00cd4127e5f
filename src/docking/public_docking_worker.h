#pragma once
// The PublicDockingWorker: one run loads the public dockings into the 公开专属 page's list, on a
// thread of its own, behind the list pages' busy indication. It reaches the page only through
// its port, whose writes land on the UI thread.

#include <vector>

#include "api/api_client.h"
#include "api/pause.h"
#include "api/request_url.h"
#include "docking/docking_record.h"

namespace verdomo {

class PublicDockingPort {
 public:
  virtual ~PublicDockingPort() = default;
  virtual void clearList() = 0;
  // Disables the main window and shows the page's bar.
  virtual void startBusy() = 0;
  virtual void setBarValue(int value) = 0;
  // Replaces the list's rows by these, whole: two runs that overlap leave one run's rows.
  virtual void showRecords(const std::vector<DockingRecord>& records) = 0;
  // Hides the bar, enables the main window and gives the focus to the 公开专属 button.
  virtual void endBusy() = 0;
  // Tells the user, after endBusy, that the list stayed empty because the request got no reply.
  virtual void sayUnanswered(TransportFailure failure) = 0;
};

// Whose dockings, and where.
struct DockingRequest {
  ServiceAddresses addresses;
  Credentials credentials;
};

class PublicDockingWorker {
 public:
  PublicDockingWorker(PlatformRequester& requester, Pause& pause, const DockingRequest& request,
                      PublicDockingPort& port);
  void run();

 private:
  PlatformRequester& requester_;
  Pause& pause_;
  const DockingRequest& request_;
  PublicDockingPort& port_;
};

}  // namespace verdomo
