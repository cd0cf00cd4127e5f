#pragma once
// Unpacking the update package into the client's folder, refusing anything that could write
// outside it and installing nothing from a package that is damaged.

#include <cstdint>
#include <filesystem>
#include <string_view>

#include "platform/gbk_codec.h"

namespace verdomo {

struct ExtractionResult {
  bool installed = false;
  GbkText failure;  // why not, for the user; empty when installed
};

// Whether a ZIP entry name (as UTF-8, "/" between folders) stays inside the folder it is
// unpacked into: not empty, not absolute, no drive letter or other colon, no backslash, no zero
// byte or other control character, no ".." segment.
bool entryNameIsSafe(std::string_view name);

// Unpacks `package` into `folder`. The whole package is checked first: one unsafe entry name,
// or no file entry named `executableName`, refuses it before anything is written. Every file is
// then unpacked into a staging folder inside `folder` and its CRC checked; only when every entry
// checked out are the files moved into place, the executable last and marked executable. A
// package that cannot be read to the end installs nothing, and neither does one whose files
// cannot all be put in place: every file replaced so far is put back. The package itself is
// left alone.
ExtractionResult extractPackage(const std::filesystem::path& package,
                                const std::filesystem::path& folder,
                                const std::filesystem::path& executableName,
                                std::int64_t maximumBytes = std::int64_t{2} << 30);

}  // namespace verdomo
