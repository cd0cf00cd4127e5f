#pragma once
// File operations as the client needs them: results are reported, never thrown.

#include <filesystem>

namespace verdomo {

bool deleteFile(const std::filesystem::path& file);
// Moves (renames) `from` to `to`, replacing nothing: false when `to` exists.
bool moveFile(const std::filesystem::path& from, const std::filesystem::path& to);
// Marks a file hidden where the file system has such an attribute; a no-op elsewhere.
void hideFile(const std::filesystem::path& file);
// Makes a folder readable by its owner only, where the file system has permissions.
void restrictToOwner(const std::filesystem::path& folder);

}  // namespace verdomo
