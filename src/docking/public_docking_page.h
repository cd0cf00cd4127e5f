#pragma once
// The "公开专属" page: the dockings card suppliers offer to everyone, loaded by the
// PublicDockingWorker, joined from the list, and found by a keyword in their project names.

#include <QPointer>
#include <QWidget>
#include <memory>

#include "docking/public_find.h"
#include "session/app_context.h"
#include "ui/worker_stop.h"

class QMenu;

namespace Ui {
class PublicDockingPage;
}

namespace verdomo {

class PublicDockingPage : public QWidget {
  Q_OBJECT

 public:
  explicit PublicDockingPage(AppContext& context, QWidget* parent = nullptr);
  ~PublicDockingPage() override;

  // The main window's 公开专属 button: it gets the focus back when a load is over.
  void setLoadButton(QWidget* button) { loadButton_ = button; }

  // One run of the PublicDockingWorker, on a thread of its own.
  void startPublicDockingWorker();
  // "公开加入专属" for a row whose code is not empty once trimmed.
  void showPublicDockingMenu(const QPoint& globalPosition);
  void joinPublicDocking();
  void findPublicDocking();
  void findNextPublicDocking();
  void findPreviousPublicDocking();

  QMenu* joinMenu() const { return joinMenu_; }

 private:
  void find(FindStep step);
  GbkText selectedCode() const;

  std::unique_ptr<Ui::PublicDockingPage> ui_;
  AppContext& context_;
  QMenu* joinMenu_ = nullptr;
  QPointer<QWidget> loadButton_;
  WorkerStop workers_;
};

}  // namespace verdomo
