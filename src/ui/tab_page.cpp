#include "ui/tab_page.h"

#include <QTabWidget>

namespace verdomo {

void showTabPage(QWidget* page) {
  for (QWidget* ancestor = page->parentWidget(); ancestor != nullptr;
       ancestor = ancestor->parentWidget()) {
    if (auto* tabs = qobject_cast<QTabWidget*>(ancestor)) {
      tabs->setCurrentWidget(page);
      return;
    }
  }
}

}  // namespace verdomo
