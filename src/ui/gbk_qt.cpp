#include "ui/gbk_qt.h"

#include <QComboBox>
#include <QLineEdit>

#include "api/gbk_text.h"

namespace verdomo {

QString fromGbk(std::string_view gbk) {
  return QString::fromStdString(gbkToUtf8(gbk));
}

GbkText toGbk(const QString& text) {
  return utf8ToGbk(text.toStdString());
}

GbkText takeSpacesOut(QLineEdit* box) {
  GbkText text = replaceAllText(toGbk(box->text()), " ", "");
  box->setText(fromGbk(text));
  return text;
}

GbkText comboText(const QComboBox* box) {
  return toGbk(box->currentText());
}

}  // namespace verdomo
