#pragma once
// The "专属对接" page: the user's exclusive dockings with card suppliers and the panel that joins
// one by its docking code.

#include <QWidget>
#include <memory>

#include "session/app_context.h"

namespace Ui {
class DockingPage;
}

namespace verdomo {

class DockingPage : public QWidget {
  Q_OBJECT

 public:
  explicit DockingPage(AppContext& context, QWidget* parent = nullptr);
  ~DockingPage() override;

 private:
  std::unique_ptr<Ui::DockingPage> ui_;
  [[maybe_unused]] AppContext& context_;  // for the handlers that come with the feature
};

}  // namespace verdomo
