#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "platform/durable_file.h"

namespace verdomo {
namespace {

bool writeAll(int descriptor, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

}  // namespace

bool writeNewFileDurably(const std::filesystem::path& file, std::string_view bytes) {
  const int descriptor = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (descriptor < 0) return false;
  bool written = writeAll(descriptor, bytes) && ::fsync(descriptor) == 0;
  written = ::close(descriptor) == 0 && written;
  if (!written) ::unlink(file.c_str());
  return written;
}

}  // namespace verdomo
