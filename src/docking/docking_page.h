#pragma once
// The "专属对接" page: the user's exclusive dockings with card suppliers, the panel that joins
// one by its docking code, and pausing, resuming, deleting and copying a docking.

#include <QWidget>
#include <memory>

#include "session/app_context.h"

class QMenu;
class QTreeWidgetItem;

namespace Ui {
class DockingPage;
}

namespace verdomo {

struct Endpoint;

class DockingPage : public QWidget {
  Q_OBJECT

 public:
  explicit DockingPage(AppContext& context, QWidget* parent = nullptr);
  ~DockingPage() override;

  void refreshDockingList();
  void openJoinPanel();
  void joinDocking();
  void closeJoinPanel();
  void pauseDocking();
  void resumeDocking();
  void deleteDocking();
  void copyDockingCode();
  // "恢复对接" for a paused row, "暂停对接" for any other, "专属刷新" without a selected code.
  void showDockingMenu(const QPoint& globalPosition);

  QMenu* pauseMenu() const { return pauseMenu_; }
  QMenu* resumeMenu() const { return resumeMenu_; }
  QMenu* refreshMenu() const { return refreshMenu_; }

 private:
  void buildMenus();
  QMenu* addMenu(const char* title,
                 std::initializer_list<std::pair<const char*, void (DockingPage::*)()>> items);
  // Pause and resume send the same request: the platform switches the docking's state.
  void switchDockingState(const GbkText& code, const char* question, const char* newState);
  GbkText selectedCell(int column) const;
  // The row that holds `code` now, if it is still listed.
  QTreeWidgetItem* rowWithCode(const GbkText& code) const;
  // Sends `endpoint` with `code`; on "成功" applies `change` to the row that holds the code, on
  // anything else shows the reply.
  void changeDocking(const Endpoint& endpoint, const GbkText& code,
                     const std::function<void(QTreeWidgetItem*)>& change);

  std::unique_ptr<Ui::DockingPage> ui_;
  AppContext& context_;
  QMenu* pauseMenu_ = nullptr;
  QMenu* resumeMenu_ = nullptr;
  QMenu* refreshMenu_ = nullptr;
};

}  // namespace verdomo
