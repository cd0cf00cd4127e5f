#include "funds/balance_ports.h"

#include <QLabel>
#include <QPointer>
#include <memory>

#include "funds/balance_refresh_worker.h"
#include "session/app_context.h"
#include "ui/gbk_qt.h"
#include "ui/page_clock.h"
#include "ui/thread_dispatch.h"
#include "ui/worker_threads.h"

namespace verdomo {
namespace {

class StatusBarBalancePort final : public BalancePort {
 public:
  StatusBarBalancePort(QWidget* mainWindow, QLabel* balancePart, QLabel* withdrawablePart)
      : dispatch_(mainWindow), balance_(balancePart), withdrawable_(withdrawablePart) {}

  void showBalance(const Balance& balance) override {
    dispatch_.post([balancePart = balance_, withdrawablePart = withdrawable_, balance] {
      if (balancePart) balancePart->setText(QStringLiteral("余额:") + fromGbk(balance.balance));
      if (withdrawablePart) {
        withdrawablePart->setText(QStringLiteral("可提现:") + fromGbk(balance.withdrawable));
      }
    });
  }

 private:
  UiDispatch dispatch_;
  QPointer<QLabel> balance_;
  QPointer<QLabel> withdrawable_;
};

}  // namespace

void startBalanceRefreshWorker(AppContext& context, QWidget* mainWindow, QLabel* balancePart,
                               QLabel* withdrawablePart, std::stop_token stop) {
  auto port = std::make_shared<StatusBarBalancePort>(mainWindow, balancePart, withdrawablePart);
  startWorkerThread(
      [port, request = BalanceRequest{context.session.addresses, context.session.credentials()},
       clock = PageClock(mainWindow, context.clock), pacing = context.pacing,
       stop = std::move(stop)] {
        SleepingPause pause(pacing, stop);
        HttpSession session;  // one kept-alive connection for the worker's life
        SessionRequester requester(session);
        BalanceRefreshWorker(requester, pause, clock, request, *port).run(stop);
      });
}

}  // namespace verdomo
