#include "sim/platform/qr_png.h"

#include <png.h>
#include <qrencode.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace verdomo::sim {
namespace {

constexpr int kModulePixels = 6;
constexpr int kQuietModules = 4;

void appendToString(png_structp png, png_bytep data, png_size_t length) {
  static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<char*>(data), length);
}

void noFlush(png_structp) {}

}  // namespace

std::string qrPng(std::string_view text) {
  const std::string input(text);
  const std::unique_ptr<QRcode, void (*)(QRcode*)> code(
      QRcode_encodeString8bit(input.c_str(), 0, QR_ECLEVEL_M), QRcode_free);
  if (!code) throw std::runtime_error("cannot encode the QR code");

  const int modules = code->width + 2 * kQuietModules;
  const int size = modules * kModulePixels;
  std::vector<png_byte> rows(static_cast<std::size_t>(size) * size, 0xFF);
  for (int y = 0; y < code->width; ++y) {
    for (int x = 0; x < code->width; ++x) {
      if ((code->data[y * code->width + x] & 1) == 0) continue;
      for (int dy = 0; dy < kModulePixels; ++dy) {
        png_byte* row =
            &rows[static_cast<std::size_t>((y + kQuietModules) * kModulePixels + dy) * size];
        for (int dx = 0; dx < kModulePixels; ++dx)
          row[(x + kQuietModules) * kModulePixels + dx] = 0x00;
      }
    }
  }

  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    throw std::runtime_error("cannot start a PNG");
  }
  std::string file;
  std::vector<png_bytep> rowPointers(static_cast<std::size_t>(size));
  for (int y = 0; y < size; ++y)
    rowPointers[static_cast<std::size_t>(y)] = &rows[static_cast<std::size_t>(y) * size];
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    throw std::runtime_error("cannot write the PNG");
  }
  png_set_write_fn(png, &file, appendToString, noFlush);
  png_set_IHDR(png, info, static_cast<png_uint_32>(size), static_cast<png_uint_32>(size), 8,
               PNG_COLOR_TYPE_GRAY, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_set_rows(png, info, rowPointers.data());
  png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
  png_destroy_write_struct(&png, &info);
  return file;
}

}  // namespace verdomo::sim
