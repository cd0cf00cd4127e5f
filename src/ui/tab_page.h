#pragma once

class QWidget;

namespace verdomo {

// Makes `page` the current page of the tab control that holds it; nothing when none does.
void showTabPage(QWidget* page);

}  // namespace verdomo
