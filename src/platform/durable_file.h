#pragma once
// Writing a new file so that its bytes are on the disk, not only in the system's cache, before
// anything else refers to it.

#include <filesystem>
#include <string_view>

namespace verdomo {

// Creates `file`, readable by its owner only, which must not exist yet, writes `bytes` to it and
// flushes them to the disk. On failure nothing is left behind, except a file that was already
// there, which stays as it is.
bool writeNewFileDurably(const std::filesystem::path& file, std::string_view bytes);

}  // namespace verdomo
