#pragma once

class QWidget;

namespace verdomo {

// Names every control that has a buddy label after that label ("用户名：" names its edit box
// "用户名"), unless the design already gave it an accessible name, so screen readers and
// accessibility tools can tell the boxes apart.
void nameControlsByLabels(QWidget* window);

}  // namespace verdomo
