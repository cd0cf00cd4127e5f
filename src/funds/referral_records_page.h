#pragma once
// The "推荐人明细" page: the SMS records of the users this account referred, thirty a page.

#include <QWidget>
#include <memory>

#include "session/app_context.h"

namespace Ui {
class ReferralRecordsPage;
}

namespace verdomo {

class PagedRecordView;

class ReferralRecordsPage : public QWidget {
  Q_OBJECT

 public:
  explicit ReferralRecordsPage(AppContext& context, QWidget* parent = nullptr);
  ~ReferralRecordsPage() override;

  void refreshReferralRecords();
  PagedRecordView& view() const { return *view_; }

 private:
  std::unique_ptr<Ui::ReferralRecordsPage> ui_;
  PagedRecordView* view_ = nullptr;
};

}  // namespace verdomo
