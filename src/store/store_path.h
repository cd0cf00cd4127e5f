#pragma once
// Path handling of the store. The base folder is a path of the file system, taken as it is; the
// database, table, level and field names are GBK texts, turned into file-system names by
// nativePath as they are appended. So a base folder that GBK cannot spell still works.

#include <filesystem>
#include <string_view>
#include <system_error>

#include "platform/native_path.h"

namespace verdomo {

// "\" on Windows, "/" here.
inline constexpr char kPathSeparator =
    static_cast<char>(std::filesystem::path::preferred_separator);

// `folder` + separator + `gbkName`, joined as texts: a name that starts with a separator stays
// below the folder instead of replacing it, as std::filesystem::path's operator/ would.
inline std::filesystem::path joinPath(const std::filesystem::path& folder,
                                      std::string_view gbkName) {
  std::filesystem::path path = folder;
  path += kPathSeparator;
  path += nativePath(gbkName);
  return path;
}

inline bool isFolder(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_directory(path, error);
}

}  // namespace verdomo
