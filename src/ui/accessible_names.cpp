#include "ui/accessible_names.h"

#include <QLabel>
#include <QWidget>

namespace verdomo {

void nameControlsByLabels(QWidget* window) {
  for (QLabel* label : window->findChildren<QLabel*>()) {
    QWidget* buddy = label->buddy();
    if (buddy == nullptr || !buddy->accessibleName().isEmpty()) continue;
    QString name = label->text().trimmed();
    name.remove(QLatin1Char('&'));
    while (name.endsWith(QStringLiteral("：")) || name.endsWith(QLatin1Char(':')))
      name.chop(1);
    name.remove(QLatin1Char(' '));
    buddy->setAccessibleName(name);
  }
}

}  // namespace verdomo
