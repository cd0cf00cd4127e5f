#pragma once
// What the update window's timer shows on each tick.

#include <cstdint>

namespace verdomo {

inline constexpr int kProgressSteps = 10;

struct ProgressTick {
  int barValue = 0;            // 0 to 10
  bool showsDownload = false;  // the tick also sets the status text to "downloading"
};

// The bar shows the share received in tenths, rounded; while it is below 10 the tick moves it
// one step further, so the window never looks stuck at the start, and says the download is
// running. Once the download has finished the bar stands at 10, whatever the size said, and the
// tick leaves the status text to the unpacking.
ProgressTick progressTick(std::int64_t received, std::int64_t total, bool downloadFinished);

}  // namespace verdomo
