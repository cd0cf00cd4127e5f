#pragma once
// The 取号 page's controls as the take, poll and attribution operations see them. Every call
// touches widgets directly, so it runs on the UI thread: UI-thread handlers call it as it is,
// workers through the dispatching ports of receive_page_ports.h.

#include <QPointer>

#include "receive/attribution_worker.h"
#include "receive/number_list.h"
#include "receive/number_take_worker.h"
#include "receive/sms_poll_worker.h"

namespace Ui {
class ReceivePage;
}

namespace verdomo {

class Dialogs;
struct SessionState;

class ReceiveControls final : public NumberTakePort, public SmsPollPort, public AttributionPort {
 public:
  ReceiveControls(Ui::ReceivePage& ui, QWidget* page, Dialogs& dialogs,
                  const SessionState& session);

  NumberList& list() { return list_; }

  // The list operations.
  void setReleaseLabel(const GbkText& text) override;
  std::vector<RowId> listedRowIds() override;
  std::optional<ListedNumber> listedNumber(RowId id) override;
  void deleteReleasedRows(const std::vector<ListedNumber>& released) override;

  // The takes.
  GbkText quantityText() override;
  GbkText selectedProjectItem() override;
  GbkText specificNumberText() override;
  void clearSpecificNumber() override;
  TakeFilters filters() override;
  void setTakeButtonsEnabled(bool enabled) override;
  bool hasRows() override;
  void appendNumber(const GbkText& phone, const GbkText& takeTime,
                    const GbkText& projectId) override;
  void showMessage(const GbkText& text) override;
  void showTransportFailure(TransportFailure failure) override;

  // The SMS poll.
  int rowCount() override;
  std::optional<PolledRow> rowAt(int index) override;
  void setStatus(RowId id, const GbkText& phone, const GbkText& status) override;
  void setArrived(RowId id, const GbkText& phone, const GbkText& code,
                  const GbkText& smsText) override;

  // The attribution; its row count is the poll's.
  std::optional<AttributedRow> provinceRowAt(int index) override;
  void setProvince(RowId id, const GbkText& phone, const GbkText& province) override;

 private:
  Ui::ReceivePage& ui_;
  QPointer<QWidget> page_;
  Dialogs& dialogs_;
  const SessionState& session_;
  NumberList list_;
};

}  // namespace verdomo
