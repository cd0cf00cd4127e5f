#pragma once
// The "取号" page: takes numbers for a receive project and lists them with their SMS.

#include <QWidget>
#include <memory>

#include "app/app_context.h"

namespace Ui {
class ReceivePage;
}

namespace verdomo {

class ReceivePage : public QWidget {
  Q_OBJECT

 public:
  explicit ReceivePage(AppContext& context, QWidget* parent = nullptr);
  ~ReceivePage() override;

 private:
  std::unique_ptr<Ui::ReceivePage> ui_;
  [[maybe_unused]] AppContext& context_;  // for the handlers that come with the feature
};

}  // namespace verdomo
