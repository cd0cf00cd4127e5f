#include "ui/dialogs.h"

#include <QMessageBox>

#include "ui/gbk_qt.h"

namespace verdomo {
namespace {

QMessageBox::Icon boxIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Question:
      return QMessageBox::Question;
    case MessageIcon::Information:
      return QMessageBox::Information;
    case MessageIcon::Warning:
      return QMessageBox::Warning;
    case MessageIcon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

void Dialogs::inform(QWidget* parent, std::string_view gbkText) {
  message(parent, fromGbk(gbkText), kDefaultCaption, MessageIcon::Question);
}

void MessageBoxDialogs::message(QWidget* parent, const QString& text, const QString& caption,
                                MessageIcon icon) {
  QMessageBox box(boxIcon(icon), caption, text, QMessageBox::Ok, parent);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

bool MessageBoxDialogs::confirm(QWidget* parent, const QString& text, const QString& caption,
                                ConfirmButtons buttons, MessageIcon icon) {
  const bool yesNo = buttons == ConfirmButtons::YesNo;
  QMessageBox box(
      boxIcon(icon), caption, text,
      yesNo ? (QMessageBox::Yes | QMessageBox::No) : (QMessageBox::Ok | QMessageBox::Cancel),
      parent);
  box.setTextFormat(Qt::PlainText);
  const int answer = box.exec();
  return answer == QMessageBox::Yes || answer == QMessageBox::Ok;
}

}  // namespace verdomo
