#pragma once
// The "取号" page: takes numbers for a receive project and lists them with their SMS, their
// codes and their provinces; releases, blacklists and copies them.

#include <QWidget>
#include <memory>

#include "receive/number_row.h"
#include "session/app_context.h"
#include "ui/worker_stop.h"

class QMenu;

namespace Ui {
class ReceivePage;
}

namespace verdomo {

class ReceiveControls;
struct Endpoint;

class ReceivePage : public QWidget {
  Q_OBJECT

 public:
  explicit ReceivePage(AppContext& context, QWidget* parent = nullptr);
  ~ReceivePage() override;

  // One run of the receive favourites worker, on a thread of its own.
  void startFavouritesWorker();
  // The SMS poll, for as long as the page lives.
  void startSmsPollWorker();
  // The attribution of the listed numbers, for as long as the page lives.
  void startAttributionWorker();

  void searchReceiveProjects();
  void takeNumbers();
  void takeSpecifiedNumber();
  void reuseNumber();
  void releaseWholeList();
  void blacklistWholeList();
  void releaseSelectedNumber();
  void blacklistSelectedNumber();
  // Offers "取号功能" when the selected project's ID is above 1000.
  void showNumberMenu(const QPoint& globalPosition);
  void copyOnDoubleClick();

  QMenu* numberMenu() const { return numberMenu_; }
  // True from a click on "获取手机号码" until its take worker is done.
  bool takeRunning() const { return takeRunning_; }

 private:
  void releaseList(const Endpoint& path, const char* question);
  void releaseSelected(const Endpoint& path, const char* question);
  // Copies a cell of the selected row when the selected project's ID is above 1000.
  void copySelectedCell(GbkText NumberRow::*cell);
  void copyAllPhoneNumbers();
  void buildNumberMenu();

  std::unique_ptr<Ui::ReceivePage> ui_;
  AppContext& context_;
  std::unique_ptr<ReceiveControls> controls_;
  QMenu* numberMenu_ = nullptr;
  bool takeRunning_ = false;
  WorkerStop workers_;
};

}  // namespace verdomo
