#pragma once
// The update itself, without a window: download the package into the client's folder, unpack
// it there, delete it; and the way back when that fails.

#include <atomic>
#include <filesystem>
#include <functional>
#include <string_view>

#include "platform/gbk_codec.h"
#include "update/package_download.h"

namespace verdomo {

struct UpdatePlan {
  GbkText packageUrl;  // "http://" + update host + "/ostrel.zip"
  std::filesystem::path runDirectory;
  GbkText executableName;
  DownloadLimits limits;

  // The package is downloaded and unpacked where the client runs from, whatever the current
  // directory: that is where start-up moved the old executable aside and where the new one is
  // started.
  std::filesystem::path packagePath() const;
  std::filesystem::path executable() const;
};

UpdatePlan updatePlan(std::string_view updateHost, const std::filesystem::path& runDirectory,
                      std::string_view executableName);

// Shared by the update's thread, which writes, and the window's timer, which reads.
struct UpdateState {
  DownloadProgress download;
  std::atomic<bool> downloadFinished{false};
};

struct UpdateResult {
  bool installed = false;
  GbkText failure;  // why not, for the user
};

// Runs the update on the calling thread: removes a package left from before, downloads the new
// one, calls `downloaded` once it is complete, unpacks it into the run directory and deletes it.
UpdateResult performUpdate(const UpdatePlan& plan, UpdateState& state,
                           const std::function<void()>& downloaded);

// After a failed update: the old executable, moved aside by start-up, gets its name back, and
// the package goes. False when the old executable could not be put back.
bool restoreOldClient(const UpdatePlan& plan);

// What the user is told when the update failed.
GbkText updateFailureMessage(std::string_view reason);

}  // namespace verdomo
