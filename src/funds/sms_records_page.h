#pragma once
// The "短信明细" page: the account's SMS records, thirty a page, with a menu that copies a
// record's phone number or SMS text.

#include <QWidget>
#include <memory>

#include "session/app_context.h"

class QMenu;

namespace Ui {
class SmsRecordsPage;
}

namespace verdomo {

class PagedRecordView;

class SmsRecordsPage : public QWidget {
  Q_OBJECT

 public:
  explicit SmsRecordsPage(AppContext& context, QWidget* parent = nullptr);
  ~SmsRecordsPage() override;

  void refreshSmsRecords();
  PagedRecordView& view() const { return *view_; }

  // "资金明细复制", only for a selected row.
  void showCopyMenu(const QPoint& globalPosition);
  QMenu* copyMenu() const { return copyMenu_; }

 private:
  // Copies a cell of the selected row, if a row is selected.
  void copySelectedCell(int column);

  std::unique_ptr<Ui::SmsRecordsPage> ui_;
  PagedRecordView* view_ = nullptr;
  QMenu* copyMenu_ = nullptr;
};

}  // namespace verdomo
