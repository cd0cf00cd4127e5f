#pragma once

class QApplication;

namespace verdomo {

// The client's look: Qt's Fusion style with a light stylesheet and a font that holds Chinese.
void applyLook(QApplication& application);

}  // namespace verdomo
