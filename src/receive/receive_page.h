#pragma once
// The "取号" page: takes numbers for a receive project and lists them with their SMS.

#include <QWidget>
#include <memory>

#include "app/app_context.h"
#include "ui/worker_stop.h"

namespace Ui {
class ReceivePage;
}

namespace verdomo {

class ReceivePage : public QWidget {
  Q_OBJECT

 public:
  explicit ReceivePage(AppContext& context, QWidget* parent = nullptr);
  ~ReceivePage() override;

  // One run of the receive favourites worker, on a thread of its own.
  void startFavouritesWorker();

 private:
  std::unique_ptr<Ui::ReceivePage> ui_;
  AppContext& context_;
  WorkerStop workers_;
};

}  // namespace verdomo
