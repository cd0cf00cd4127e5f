#pragma once
// A QR code as a PNG picture: libqrencode for the symbol, libpng for the file.

#include <string>
#include <string_view>

namespace verdomo::sim {

// Eight-bit grey PNG, 6 pixels a module, a quiet zone of 4 modules. Throws when it cannot.
std::string qrPng(std::string_view text);

}  // namespace verdomo::sim
