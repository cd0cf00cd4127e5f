#pragma once
// The "项目列表" page: the platform's project catalogue, its search, the favourites view and the
// button that proposes a new project.

#include <QWidget>
#include <memory>

#include "app/app_context.h"

namespace Ui {
class ProjectListPage;
}

namespace verdomo {

class ProjectListPage : public QWidget {
  Q_OBJECT

 public:
  explicit ProjectListPage(AppContext& context, QWidget* parent = nullptr);
  ~ProjectListPage() override;

 private:
  std::unique_ptr<Ui::ProjectListPage> ui_;
  [[maybe_unused]] AppContext& context_;  // for the handlers that come with the feature
};

}  // namespace verdomo
