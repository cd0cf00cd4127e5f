#include "ui/look.h"

#include <QApplication>
#include <QFile>
#include <QStyleFactory>

namespace verdomo {

void applyLook(QApplication& application) {
  application.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QFile styleSheet(QStringLiteral(":/look/verdomo.qss"));
  if (styleSheet.open(QIODevice::ReadOnly)) {
    application.setStyleSheet(QString::fromUtf8(styleSheet.readAll()));
  }
}

}  // namespace verdomo
