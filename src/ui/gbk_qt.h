#pragma once
// Text conversion at the Qt boundary: controls hold QStrings, the core GBK bytes. A character
// GBK cannot hold becomes "?", as the Windows code page conversion does.

#include <QString>
#include <string_view>

#include "platform/gbk_codec.h"

class QComboBox;
class QLineEdit;

namespace verdomo {

QString fromGbk(std::string_view gbk);
GbkText toGbk(const QString& text);

// Takes the ASCII spaces out of a box and writes the result back.
GbkText takeSpacesOut(QLineEdit* box);

// The text of a combo box's current item.
GbkText comboText(const QComboBox* box);

}  // namespace verdomo
