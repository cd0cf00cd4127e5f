#include "ui/gbk_qt.h"

namespace verdomo {

QString fromGbk(std::string_view gbk) {
  return QString::fromStdString(gbkToUtf8(gbk));
}

GbkText toGbk(const QString& text) {
  return utf8ToGbk(text.toStdString());
}

}  // namespace verdomo
