#pragma once
// The "提现记录" page: the account's withdrawal requests and how they were handled.

#include <QWidget>
#include <memory>

#include "session/app_context.h"

namespace Ui {
class WithdrawalRecordsPage;
}

namespace verdomo {

class WithdrawalRecordsPage : public QWidget {
  Q_OBJECT

 public:
  explicit WithdrawalRecordsPage(AppContext& context, QWidget* parent = nullptr);
  ~WithdrawalRecordsPage() override;

 private:
  std::unique_ptr<Ui::WithdrawalRecordsPage> ui_;
  [[maybe_unused]] AppContext& context_;  // for the handlers that come with the feature
};

}  // namespace verdomo
