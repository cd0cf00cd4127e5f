#include "docking/public_docking_ports.h"

#include <QPointer>
#include <QProgressBar>
#include <QTreeWidget>
#include <memory>

#include "docking/docking_rows.h"
#include "docking/public_docking_worker.h"
#include "session/app_context.h"
#include "ui/thread_dispatch.h"
#include "ui/transport_failure_message.h"
#include "ui/window_enabling.h"
#include "ui/worker_threads.h"

namespace verdomo {
namespace {

// Every write is queued to the UI thread in order, and reaches only widgets that still live.
class DispatchedPublicDockingPort final : public PublicDockingPort {
 public:
  DispatchedPublicDockingPort(Dialogs& dialogs, QWidget* page, QTreeWidget* list, QProgressBar* bar,
                              QWidget* focusAfter)
      : dialogs_(dialogs),
        dispatch_(page),
        page_(page),
        window_(page->window()),
        list_(list),
        bar_(bar),
        focusAfter_(focusAfter) {}

  void clearList() override {
    dispatch_.post([list = list_] {
      if (list) list->clear();
    });
  }
  void startBusy() override {
    dispatch_.post([window = window_, bar = bar_] {
      if (window) setWindowEnabled(window, false);
      if (bar) bar->setVisible(true);
    });
  }
  void setBarValue(int value) override {
    dispatch_.post([bar = bar_, value] {
      if (bar) bar->setValue(value);
    });
  }
  void showRecords(const std::vector<DockingRecord>& records) override {
    dispatch_.post([list = list_, records] {
      if (list) showDockingRecords(list, records);
    });
  }
  void endBusy() override {
    dispatch_.post([window = window_, bar = bar_, focus = focusAfter_] {
      if (bar) bar->setVisible(false);
      if (window) setWindowEnabled(window, true);
      if (focus) focus->setFocus();
    });
  }
  void sayUnanswered(TransportFailure failure) override {
    dispatch_.post([&dialogs = dialogs_, page = page_, failure] {
      if (page) informReply(dialogs, page, {}, failure);
    });
  }

 private:
  Dialogs& dialogs_;
  UiDispatch dispatch_;
  QPointer<QWidget> page_;
  QPointer<QWidget> window_;
  QPointer<QTreeWidget> list_;
  QPointer<QProgressBar> bar_;
  QPointer<QWidget> focusAfter_;
};

}  // namespace

void startPublicDockingWorker(AppContext& context, QWidget* page, QTreeWidget* list,
                              QProgressBar* bar, QWidget* focusAfter, std::stop_token stop) {
  auto port =
      std::make_shared<DispatchedPublicDockingPort>(context.dialogs, page, list, bar, focusAfter);
  startWorkerThread(
      [port, request = DockingRequest{context.session.addresses, context.session.credentials()},
       pacing = context.pacing, stop = std::move(stop)] {
        SleepingPause pause(pacing, stop);
        HttpSession session;
        SessionRequester requester(session, pacing.requestTimeout(kPlatformTimeoutMs));
        PublicDockingWorker(requester, pause, request, *port).run();
      });
}

}  // namespace verdomo
