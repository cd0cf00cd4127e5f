#pragma once
// Putting unpacked files in place all or nothing. Every file that a new one replaces is moved
// aside first and kept until the whole set stands; any failure removes what was put in place,
// moves every old file back and removes the folders made on the way, so the folder is left as
// it was before.

#include <filesystem>
#include <vector>

namespace verdomo {

struct StagedFile {
  std::filesystem::path staged;  // the new file, on the same file system as its target
  std::filesystem::path target;
};

// Creates `folders` (with any missing folders above them), then moves each staged file onto
// its target, in the given order. The old files wait in `asideFolder`, which is created and
// must be on the same file system; they are the caller's to remove after success. A target that
// is a folder is never replaced: that file cannot be installed. Returns whether everything was
// installed; on false the folders and files are as they were before the call.
bool installAllOrNothing(const std::vector<std::filesystem::path>& folders,
                         const std::vector<StagedFile>& files,
                         const std::filesystem::path& asideFolder);

}  // namespace verdomo
