#include "store/level_path.h"

#include <filesystem>
#include <string>
#include <system_error>

#include "store/store_path.h"

namespace verdomo {
namespace {

std::string decimal(char byte) {
  return std::to_string(static_cast<unsigned char>(byte));
}

}  // namespace

std::vector<GbkText> levelFolders(std::string_view identifier) {
  std::vector<GbkText> folders;
  for (std::size_t at = 0; at < identifier.size(); at += 2) {
    GbkText folder = decimal(identifier[at]);
    if (at + 1 < identifier.size()) folder += decimal(identifier[at + 1]);
    folders.push_back(std::move(folder));
  }
  return folders;
}

// Folder names are never empty, so the path never holds a doubled separator to fold.
GbkText levelPath(std::string_view identifier) {
  GbkText path;
  for (const GbkText& folder : levelFolders(identifier)) {
    path += folder;
    path += kPathSeparator;
  }
  return path;
}

// The result of each creation is not looked at: a level that already exists is fine, and a
// level that cannot be made shows up as a failed write of the field file.
void createLevelFolders(const std::filesystem::path& tableFolder, std::string_view identifier) {
  std::filesystem::path folder = tableFolder;
  for (const GbkText& level : levelFolders(identifier)) {
    folder = joinPath(folder, level);
    std::error_code ignored;
    std::filesystem::create_directory(folder, ignored);
  }
}

}  // namespace verdomo
