#include "update/update_progress.h"

#include <algorithm>

namespace verdomo {

ProgressTick progressTick(std::int64_t received, std::int64_t total, bool downloadFinished) {
  if (downloadFinished) return {kProgressSteps, false};
  // Without a known size nothing can be said about the share yet.
  const std::int64_t tenths =
      total > 0 ? (std::max<std::int64_t>(received, 0) * 2 * kProgressSteps + total) / (2 * total)
                : 0;
  const int position = static_cast<int>(std::min<std::int64_t>(tenths, kProgressSteps));
  if (position >= kProgressSteps) return {kProgressSteps, false};
  return {position + 1, true};
}

}  // namespace verdomo
