#pragma once
// Path texts of the store. Paths are built as GBK texts, joined with the platform's separator,
// and turned into file-system paths by nativePath only where a file or folder is touched.

#include <filesystem>
#include <string_view>
#include <system_error>

#include "platform/gbk_codec.h"
#include "platform/native_path.h"

namespace verdomo {

// "\" on Windows, "/" here.
inline constexpr char kPathSeparator =
    static_cast<char>(std::filesystem::path::preferred_separator);

// `folder` + separator + `name`, joined as texts: a name that starts with a separator stays
// below the folder instead of replacing it, as std::filesystem::path's operator/ would.
inline GbkText joinPath(std::string_view folder, std::string_view name) {
  GbkText path(folder);
  path += kPathSeparator;
  path += name;
  return path;
}

inline bool isFolder(std::string_view gbkPath) {
  std::error_code error;
  return std::filesystem::is_directory(nativePath(gbkPath), error);
}

}  // namespace verdomo
