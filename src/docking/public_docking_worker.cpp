#include "docking/public_docking_worker.h"

namespace verdomo {
namespace {

constexpr int kBusySteps = 5;
constexpr int kBusyStepMs = 100;

}  // namespace

PublicDockingWorker::PublicDockingWorker(PlatformRequester& requester, Pause& pause,
                                         const DockingRequest& request, PublicDockingPort& port)
    : requester_(requester), pause_(pause), request_(request), port_(port) {}

void PublicDockingWorker::run() {
  port_.clearList();
  port_.startBusy();
  // The bar runs from 20 to 100 before the request, as on every list page.
  for (int step = 1; step <= kBusySteps; ++step) {
    port_.setBarValue(step * 20);
    pause_.pause(kBusyStepMs);
  }
  if (pause_.stopRequested()) return;  // the page is gone
  const GbkText reply = requester_.getText(
      requestUrl(request_.addresses, request_.credentials, endpoint::kPublicDockingList));
  port_.showRecords(dockingRecords(reply));
  port_.endBusy();
  // The user asked for this list: an empty one that is no answer of the platform is explained.
  if (const TransportFailure failure = requester_.lastFailure(); failure != TransportFailure::None)
    port_.sayUnanswered(failure);
}

}  // namespace verdomo
