#pragma once
// The download of the update package into a file, with the progress readable from another
// thread while it runs.

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <string_view>

#include "platform/gbk_codec.h"

namespace verdomo {

// What the download shares with the window that shows it. Written by the downloading thread,
// read by the window's timer.
struct DownloadProgress {
  std::atomic<std::int64_t> total{0};  // 0 while the size is not known
  std::atomic<std::int64_t> received{0};
  std::atomic<bool> cancelled{false};  // set by the window; ends the transfer
};

struct DownloadLimits {
  int connectTimeoutMs = 15000;
  // A transfer that stays below one byte per second this long has stalled and fails.
  int stallSeconds = 30;
  // A package larger than this is no package of ours.
  std::int64_t maximumBytes = std::int64_t{512} << 20;
};

struct DownloadResult {
  bool complete = false;
  GbkText failure;  // why not, for the user; empty when complete
};

// GETs `gbkUrl` into `target`, replacing it. Only a 200 reply with a non-empty body counts;
// anything else (no connection, an error status, a stall, a cut-off transfer, cancellation)
// fails and leaves no file behind. As soon as the size is known it is stored in `progress` and
// the file is hidden.
DownloadResult downloadPackage(std::string_view gbkUrl, const std::filesystem::path& target,
                               DownloadProgress& progress, const DownloadLimits& limits = {});

}  // namespace verdomo
