#pragma once
// Path handling of the store. The base folder is a path of the file system, taken as it is; the
// database, table, level and field names are GBK texts, turned into file-system names by
// nativePath as they are appended. So a base folder that GBK cannot spell still works.

#include <filesystem>
#include <string_view>
#include <system_error>

#include "api/gbk_text.h"
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

// Whether a GBK name can stand as one name inside its level: not empty, not "." or "..", and
// holding no separator of either system and no zero byte. Any other name could climb out of its
// level or reach into another one. Searched character by character: 0x5C may also be the second
// byte of a Chinese character.
inline bool isPlainName(std::string_view gbkName) {
  return !gbkName.empty() && gbkName != "." && gbkName != ".." &&
         gbkName.find('\0') == std::string_view::npos && !containsText(gbkName, "/") &&
         !containsText(gbkName, "\\");
}

inline bool isFolder(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_directory(path, error);
}

}  // namespace verdomo
