#pragma once
// Pictures decoded by libpng and libjpeg: the window designs' pictures and the payment QR code.

#include <QImage>
#include <QString>
#include <string_view>

namespace verdomo {

// A PNG or JPEG picture from its bytes; a null image when the bytes are neither, are damaged, or
// describe a picture wider or higher than 4096 pixels.
QImage decodePicture(std::string_view bytes);

// A picture compiled into the program (a Qt resource path such as ":/pictures/banner.png").
QImage loadResourcePicture(const QString& path);

}  // namespace verdomo
