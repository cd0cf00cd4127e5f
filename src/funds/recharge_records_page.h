#pragma once
// The "充值记录" page: the account's recharges.

#include <QWidget>
#include <memory>

#include "session/app_context.h"

namespace Ui {
class RechargeRecordsPage;
}

namespace verdomo {

class RechargeRecordsPage : public QWidget {
  Q_OBJECT

 public:
  explicit RechargeRecordsPage(AppContext& context, QWidget* parent = nullptr);
  ~RechargeRecordsPage() override;

 private:
  std::unique_ptr<Ui::RechargeRecordsPage> ui_;
  [[maybe_unused]] AppContext& context_;  // for the handlers that come with the feature
};

}  // namespace verdomo
