#pragma once

#include <filesystem>
#include <string_view>

namespace verdomo {

// The file-system path for a GBK path text: UTF-8 here, the ANSI code page on Windows.
std::filesystem::path nativePath(std::string_view gbkPath);

}  // namespace verdomo
