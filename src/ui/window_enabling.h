#pragma once

class QWidget;

namespace verdomo {

// Disables or enables a whole window while it is busy. Qt drops the keyboard focus of a
// disabled window; enabling it again gives the focus back to the control that had it.
void setWindowEnabled(QWidget* window, bool enabled);

}  // namespace verdomo
