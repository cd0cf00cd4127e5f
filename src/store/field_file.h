#pragma once
// Reading and writing one field file, with the retries that let readers and writers of the same
// field meet. A write never changes a field file in place: the new bytes go to a temporary file
// beside it, reach the disk, and then take its place in one rename. A reader, or a crash in the
// middle of a write, thus finds the old value or the new one, never an empty or a partial file.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "api/pause.h"

namespace verdomo {

inline constexpr int kReadAttempts = 100;
inline constexpr int kWriteAttempts = 99;

// Reads `file` until it holds at least `minimumSize` bytes (at least 1): up to kReadAttempts
// reads, 1 ms apart. Nothing when no read found enough; a missing or unreadable file counts
// as empty, so callers that report a missing field look for it first.
std::optional<std::string> readFieldFile(const std::filesystem::path& file, std::size_t minimumSize,
                                         Pause& pause);

enum class WritePacing {
  PauseAfterFailure,  // 1 ms through the Pause after each failed attempt
  YieldBeforeEach,    // give up the processor before every attempt, never sleep
};

// Replaces the content of `file` by `bytes` in up to kWriteAttempts attempts.
bool writeFieldFile(const std::filesystem::path& file, std::string_view bytes, WritePacing pacing,
                    Pause& pause);

// One attempt of writeFieldFile; the record folder must exist.
bool replaceFile(const std::filesystem::path& file, std::string_view bytes);

// Removes the temporary files that writes killed before their rename left anywhere below
// `folder`, and answers how many there were. Meant for the start, before any write of this
// process; a write of another client that loses its temporary file only tries again.
int removeLeftoverWrites(const std::filesystem::path& folder);

}  // namespace verdomo
