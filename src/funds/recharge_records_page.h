#pragma once
// The "充值记录" page: the account's recharges, loaded whole, with a menu that copies an order
// number.

#include <QWidget>
#include <memory>

#include "session/app_context.h"

class QMenu;

namespace Ui {
class RechargeRecordsPage;
}

namespace verdomo {

class RechargeRecordsPage : public QWidget {
  Q_OBJECT

 public:
  explicit RechargeRecordsPage(AppContext& context, QWidget* parent = nullptr);
  ~RechargeRecordsPage() override;

  // Shows the page and loads the list; the focus stays where it is.
  void refreshRechargeRecords();
  // Copies the selected row's order number, if it has one.
  void copyOrderNumber();
  QMenu* copyMenu() const { return copyMenu_; }

 private:
  std::unique_ptr<Ui::RechargeRecordsPage> ui_;
  AppContext& context_;
  QMenu* copyMenu_ = nullptr;
};

}  // namespace verdomo
