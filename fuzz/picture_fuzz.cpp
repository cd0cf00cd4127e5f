// Pictures from outside (the payment QR code): any bytes give a null image or a picture no
// larger than 4096 pixels either way, never a crash.
#include <QImage>

#include "fuzz_support.h"
#include "ui/picture.h"

using namespace verdomo;
using namespace verdomo::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QImage picture = decodePicture(bytesOf(data, size));
  if (picture.isNull()) return 0;
  FUZZ_REQUIRE(picture.width() >= 1 && picture.width() <= 4096);
  FUZZ_REQUIRE(picture.height() >= 1 && picture.height() <= 4096);
  // Every pixel can be read.
  volatile QRgb sum = 0;
  for (int y = 0; y < picture.height(); y += 7)
    sum = sum + picture.pixel(picture.width() - 1, y);
  return 0;
}
