#include "platform/file_operations.h"

#include <system_error>

namespace verdomo {

bool deleteFile(const std::filesystem::path& file) {
  std::error_code error;
  return std::filesystem::is_regular_file(file, error) && std::filesystem::remove(file, error);
}

bool moveFile(const std::filesystem::path& from, const std::filesystem::path& to) {
  std::error_code error;
  if (std::filesystem::exists(to, error)) return false;
  std::filesystem::rename(from, to, error);
  return !error;
}

void hideFile(const std::filesystem::path&) {}

void restrictToOwner(const std::filesystem::path& folder) {
  std::error_code error;
  std::filesystem::permissions(folder, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::replace, error);
}

}  // namespace verdomo
