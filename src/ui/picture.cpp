#include "ui/picture.h"

#include <jpeglib.h>
#include <png.h>

#include <QFile>
#include <csetjmp>
#include <cstring>
#include <vector>

namespace verdomo {
namespace {

// No picture of the client is anywhere near this; a larger one is refused before anything is
// allocated for it, whatever its header claims.
constexpr unsigned kMaxPictureSide = 4096;

bool isPng(std::string_view bytes) {
  return bytes.size() >= 8 &&
         png_sig_cmp(reinterpret_cast<png_const_bytep>(bytes.data()), 0, 8) == 0;
}

bool isJpeg(std::string_view bytes) {
  return bytes.size() >= 3 && bytes.substr(0, 3) == "\xFF\xD8\xFF";
}

struct PngSource {
  std::string_view bytes;
  std::size_t offset = 0;
};

void readPngBytes(png_structp png, png_bytep target, png_size_t length) {
  auto* source = static_cast<PngSource*>(png_get_io_ptr(png));
  if (source->bytes.size() - source->offset < length) png_error(png, "truncated picture");
  std::memcpy(target, source->bytes.data() + source->offset, length);
  source->offset += length;
}

// libpng reports errors by longjmp, so every call that may fail sits in a small function that
// holds nothing with a destructor; the reader's own destructor frees libpng's structures.
struct PngReader {
  explicit PngReader(std::string_view bytes) : source{bytes} {
    png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png != nullptr) info = png_create_info_struct(png);
  }
  ~PngReader() { png_destroy_read_struct(&png, info != nullptr ? &info : nullptr, nullptr); }
  PngReader(const PngReader&) = delete;
  PngReader& operator=(const PngReader&) = delete;

  png_structp png = nullptr;
  png_infop info = nullptr;
  PngSource source;
};

// Any PNG becomes 8-bit RGBA, its samples scaled without gamma conversion.
bool readPngHeader(PngReader& reader) {
  if (setjmp(png_jmpbuf(reader.png))) return false;
  png_set_read_fn(reader.png, &reader.source, readPngBytes);
  png_read_info(reader.png, reader.info);
  png_set_expand(reader.png);
  png_set_scale_16(reader.png);
  png_set_gray_to_rgb(reader.png);
  png_set_add_alpha(reader.png, 0xFF, PNG_FILLER_AFTER);
  png_set_interlace_handling(reader.png);
  png_read_update_info(reader.png, reader.info);
  return true;
}

bool readPngRows(PngReader& reader, png_bytepp rows) {
  if (setjmp(png_jmpbuf(reader.png))) return false;
  png_read_image(reader.png, rows);
  return true;
}

bool decodePngInto(std::string_view bytes, QImage& target) {
  PngReader reader(bytes);
  if (reader.info == nullptr || !readPngHeader(reader)) return false;
  const png_uint_32 width = png_get_image_width(reader.png, reader.info);
  const png_uint_32 height = png_get_image_height(reader.png, reader.info);
  if (width > kMaxPictureSide || height > kMaxPictureSide) return false;
  target = QImage(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGBA8888);
  if (target.isNull()) return false;
  std::vector<png_bytep> rows(static_cast<std::size_t>(target.height()));
  for (int y = 0; y < target.height(); ++y)
    rows[static_cast<std::size_t>(y)] = target.scanLine(y);
  if (readPngRows(reader, rows.data())) return true;
  target = QImage();
  return false;
}

struct JpegError {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
};

[[noreturn]] void jumpOnJpegError(j_common_ptr info) {
  std::longjmp(reinterpret_cast<JpegError*>(info->err)->jump, 1);
}

// libjpeg reports errors by longjmp; nothing with a destructor lives across the setjmp.
bool decodeJpegInto(std::string_view bytes, QImage& target) {
  jpeg_decompress_struct info{};
  JpegError error{};
  info.err = jpeg_std_error(&error.manager);
  error.manager.error_exit = jumpOnJpegError;
  if (setjmp(error.jump)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()),
               static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&info, TRUE);
  if (info.image_width > kMaxPictureSide || info.image_height > kMaxPictureSide) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  target = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                  QImage::Format_RGB888);
  while (!target.isNull() && info.output_scanline < info.output_height) {
    JSAMPROW row = target.scanLine(static_cast<int>(info.output_scanline));
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return !target.isNull();
}

}  // namespace

QImage decodePicture(std::string_view bytes) {
  QImage image;
  if (isPng(bytes) && decodePngInto(bytes, image)) return image;
  if (isJpeg(bytes) && decodeJpegInto(bytes, image)) return image;
  return {};
}

QImage loadResourcePicture(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = file.readAll();
  return decodePicture(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace verdomo
