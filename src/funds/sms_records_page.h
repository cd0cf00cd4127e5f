#pragma once
// The "短信明细" page: the account's SMS records, thirty a page.

#include <QWidget>
#include <memory>

#include "session/app_context.h"

namespace Ui {
class SmsRecordsPage;
}

namespace verdomo {

class SmsRecordsPage : public QWidget {
  Q_OBJECT

 public:
  explicit SmsRecordsPage(AppContext& context, QWidget* parent = nullptr);
  ~SmsRecordsPage() override;

 private:
  std::unique_ptr<Ui::SmsRecordsPage> ui_;
  [[maybe_unused]] AppContext& context_;  // for the handlers that come with the feature
};

}  // namespace verdomo
