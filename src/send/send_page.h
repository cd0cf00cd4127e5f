#pragma once
// The "发短信" page: takes one number for a send project, has a text sent from it to one of the
// project's service numbers, and shows what the result worker learns of it.

#include <QWidget>
#include <memory>

#include "api/transport_failure.h"
#include "session/app_context.h"
#include "ui/worker_stop.h"

namespace Ui {
class SendPage;
}

namespace verdomo {

class SendControls;
struct Endpoint;
struct TakeFilters;

class SendPage : public QWidget {
  Q_OBJECT

 public:
  explicit SendPage(AppContext& context, QWidget* parent = nullptr);
  ~SendPage() override;

  // One run of the send favourites worker, on a thread of its own.
  void startFavouritesWorker();
  // The send-result poll, for as long as the page lives.
  void startResultPollWorker();

  void searchSendProjects();
  // The user picked a send project: offer the service numbers of its line.
  void fillSenderNumbers();
  void takeNumber();
  void takeSpecifiedNumber();
  void sendSms();
  void releaseNumber();
  void blacklistNumber();
  void copyNumber();
  void copySms();

 private:
  TakeFilters filters() const;
  // Empties what a take replaces, all but the number, and starts a new take identity.
  void clearTakeResults();
  // Puts a take's reply into the fields: the number, its province and its take time.
  void applyTakeReply(const GbkText& reply, TransportFailure failure);
  void giveNumberBack(const Endpoint& path, const char* question);

  std::unique_ptr<Ui::SendPage> ui_;
  AppContext& context_;
  std::unique_ptr<SendControls> controls_;
  WorkerStop workers_;
};

}  // namespace verdomo
