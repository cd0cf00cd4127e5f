#pragma once
// The "项目列表" page: the platform's project catalogue, its search, the favourites view with
// adding and removing favourites, and the button that proposes a new project.

#include <QWidget>
#include <memory>
#include <vector>

#include "api/api_client.h"
#include "session/app_context.h"

class QMenu;
class QTreeWidgetItem;

namespace Ui {
class ProjectListPage;
}

namespace verdomo {

struct ProjectRecord;

class ProjectListPage : public QWidget {
  Q_OBJECT

 public:
  explicit ProjectListPage(AppContext& context, QWidget* parent = nullptr);
  ~ProjectListPage() override;

  void refreshCatalogue();
  void searchCatalogue();
  // Offers "收藏(S)" or, while the favourites are shown, "取消收藏(A)", for a project of ID
  // 1000 or more.
  void showProjectMenu(const QPoint& globalPosition);
  void addFavourite();
  void removeFavourite();
  void toggleFavouritesView();

  QMenu* addFavouriteMenu() const { return addMenu_; }
  QMenu* removeFavouriteMenu() const { return removeMenu_; }

 private:
  void loadCatalogue(const GbkText& searchText);
  void showFavouritesInCatalogue();
  void showRows(const std::vector<ProjectRecord>& rows);
  void sayWhenUnanswered(const PlatformRequester& requester);
  QTreeWidgetItem* selectedRow() const;
  GbkText selectedCell(int column) const;

  std::unique_ptr<Ui::ProjectListPage> ui_;
  AppContext& context_;
  QMenu* addMenu_;
  QMenu* removeMenu_;
};

}  // namespace verdomo
