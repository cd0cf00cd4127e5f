#pragma once
// The "推荐人明细" page: the SMS records of the users this account referred, thirty a page.

#include <QWidget>
#include <memory>

#include "session/app_context.h"

namespace Ui {
class ReferralRecordsPage;
}

namespace verdomo {

class ReferralRecordsPage : public QWidget {
  Q_OBJECT

 public:
  explicit ReferralRecordsPage(AppContext& context, QWidget* parent = nullptr);
  ~ReferralRecordsPage() override;

 private:
  std::unique_ptr<Ui::ReferralRecordsPage> ui_;
  [[maybe_unused]] AppContext& context_;  // for the handlers that come with the feature
};

}  // namespace verdomo
