#include "receive/receive_controls.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "session/session_state.h"
#include "ui/dialogs.h"
#include "ui/gbk_qt.h"
#include "ui/transport_failure_message.h"
#include "ui_receive_page.h"

namespace verdomo {

ReceiveControls::ReceiveControls(Ui::ReceivePage& ui, QWidget* page, Dialogs& dialogs,
                                 const SessionState& session)
    : ui_(ui),
      page_(page),
      dialogs_(dialogs),
      session_(session),
      list_(ui.超级列表框_取码_列表框) {}

void ReceiveControls::setReleaseLabel(const GbkText& text) {
  ui_.透明标签_取号_状态提示->setText(fromGbk(text));
}

std::vector<RowId> ReceiveControls::listedRowIds() {
  return list_.rowIds();
}

std::optional<ListedNumber> ReceiveControls::listedNumber(RowId id) {
  return list_.listedNumber(id);
}

void ReceiveControls::deleteReleasedRows(const std::vector<ListedNumber>& released) {
  for (const ListedNumber& number : released)
    list_.deleteRow(number.id, number.phone);
}

GbkText ReceiveControls::quantityText() {
  return toGbk(ui_.编辑框_取号_获取数量->text());
}

GbkText ReceiveControls::selectedProjectItem() {
  return comboText(ui_.组合框_取号_项目列表);
}

GbkText ReceiveControls::specificNumberText() {
  return toGbk(ui_.编辑框_取号_指定->text());
}

void ReceiveControls::clearSpecificNumber() {
  ui_.编辑框_取号_指定->clear();
}

TakeFilters ReceiveControls::filters() {
  return {indexFilter(ui_.组合框_运营商->currentIndex(), comboText(ui_.组合框_运营商)),
          regionFilter(comboText(ui_.组合框_地区)),
          indexFilter(ui_.组合框_卡型->currentIndex(), comboText(ui_.组合框_卡型)),
          session_.receiveLoopFlag};
}

void ReceiveControls::setTakeButtonsEnabled(bool enabled) {
  for (QPushButton* button : {ui_.按钮_取号_获取号码, ui_.按钮_取号_指定, ui_.按钮_取号_全部加黑,
                              ui_.按钮_取号全部释放}) {
    button->setEnabled(enabled);
  }
}

bool ReceiveControls::hasRows() {
  return list_.count() > 0;
}

void ReceiveControls::appendNumber(const GbkText& phone, const GbkText& takeTime,
                                   const GbkText& projectId) {
  list_.append(phone, takeTime, projectId);
}

void ReceiveControls::showMessage(const GbkText& text) {
  dialogs_.inform(page_, text);
}

void ReceiveControls::showTransportFailure(TransportFailure failure) {
  informReply(dialogs_, page_, {}, failure);
}

int ReceiveControls::rowCount() {
  return list_.count();
}

std::optional<PolledRow> ReceiveControls::rowAt(int index) {
  std::optional<NumberRow> row = list_.rowAt(index);
  if (!row) return std::nullopt;
  return PolledRow{row->id, std::move(row->phone), std::move(row->status),
                   std::move(row->takeTime)};
}

void ReceiveControls::setStatus(RowId id, const GbkText& phone, const GbkText& status) {
  list_.update(id, phone, [&](NumberRow& row) { row.status = status; });
}

void ReceiveControls::setArrived(RowId id, const GbkText& phone, const GbkText& code,
                                 const GbkText& smsText) {
  using namespace verdomo::literals;
  list_.update(id, phone, [&](NumberRow& row) {
    row.status = "短信已达到"_gbk;
    row.smsText = smsText;
    row.code = code;
  });
}

std::optional<AttributedRow> ReceiveControls::provinceRowAt(int index) {
  std::optional<NumberRow> row = list_.rowAt(index);
  if (!row) return std::nullopt;
  return AttributedRow{row->id, std::move(row->phone), std::move(row->province)};
}

void ReceiveControls::setProvince(RowId id, const GbkText& phone, const GbkText& province) {
  list_.update(id, phone, [&](NumberRow& row) { row.province = province; });
}

}  // namespace verdomo
