#pragma once
// The "公开专属" page: the dockings card suppliers offer to everyone, with a find box over the
// project names.

#include <QWidget>
#include <memory>

#include "session/app_context.h"

namespace Ui {
class PublicDockingPage;
}

namespace verdomo {

class PublicDockingPage : public QWidget {
  Q_OBJECT

 public:
  explicit PublicDockingPage(AppContext& context, QWidget* parent = nullptr);
  ~PublicDockingPage() override;

 private:
  std::unique_ptr<Ui::PublicDockingPage> ui_;
  [[maybe_unused]] AppContext& context_;  // for the handlers that come with the feature
};

}  // namespace verdomo
