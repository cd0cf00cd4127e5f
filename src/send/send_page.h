#pragma once
// The "发短信" page: takes one number for a send project and has a text sent from it.

#include <QWidget>
#include <memory>

#include "app/app_context.h"

namespace Ui {
class SendPage;
}

namespace verdomo {

class SendPage : public QWidget {
  Q_OBJECT

 public:
  explicit SendPage(AppContext& context, QWidget* parent = nullptr);
  ~SendPage() override;

 private:
  std::unique_ptr<Ui::SendPage> ui_;
  [[maybe_unused]] AppContext& context_;  // for the handlers that come with the feature
};

}  // namespace verdomo
