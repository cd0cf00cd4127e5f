#include "send/send_controls.h"

#include "ui/gbk_qt.h"
#include "ui_send_page.h"

namespace verdomo {

std::optional<SendTake> SendControls::readTake() {
  return SendTake{take_, toGbk(ui_.组合框_发短信_项目列表->currentText()),
                  toGbk(ui_.编辑框_发短信_获取号码->text()),
                  toGbk(ui_.编辑框_发短信_取码状态->text()),
                  toGbk(ui_.编辑框_发短信_取号时间->text())};
}

void SendControls::setResult(const SendTake& of, const GbkText& status, const GbkText& label) {
  if (!stillHolds(of)) return;
  ui_.编辑框_发短信_取码状态->setText(fromGbk(status));
  ui_.透明标签40->setText(fromGbk(label));
}

void SendControls::setReceivedSms(const SendTake& of, const GbkText& text) {
  if (stillHolds(of)) ui_.编辑框_发短信_短信内容->setPlainText(fromGbk(text));
}

bool SendControls::stillHolds(const SendTake& take) const {
  return take.id == take_ && toGbk(ui_.编辑框_发短信_获取号码->text()) == take.phone;
}

}  // namespace verdomo
