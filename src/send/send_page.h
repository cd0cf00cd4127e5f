#pragma once
// The "发短信" page: takes one number for a send project and has a text sent from it.

#include <QWidget>
#include <memory>

#include "session/app_context.h"
#include "ui/worker_stop.h"

namespace Ui {
class SendPage;
}

namespace verdomo {

class SendPage : public QWidget {
  Q_OBJECT

 public:
  explicit SendPage(AppContext& context, QWidget* parent = nullptr);
  ~SendPage() override;

  // One run of the send favourites worker, on a thread of its own.
  void startFavouritesWorker();
  // The user picked a send project: offer the sender numbers of its line.
  void fillSenderNumbers();

 private:
  std::unique_ptr<Ui::SendPage> ui_;
  AppContext& context_;
  WorkerStop workers_;
};

}  // namespace verdomo
