#pragma once
// What start-up asks of the update before the login window shows: is another version published,
// and what did an earlier update leave behind. The update itself moves our executable aside under
// the name the leftover sweep looks for.

#include <filesystem>
#include <string_view>

#include "platform/gbk_codec.h"

namespace verdomo {

// Deletes what an earlier update left in the run directory: the package, the old client's
// moved executable and our own moved executable (`executableName` + ".gx").
void deleteUpdateLeftovers(const std::filesystem::path& runDirectory,
                           std::string_view executableName);

// Our own executable as an update moves it aside.
std::filesystem::path movedExecutable(const std::filesystem::path& folder,
                                      std::string_view executableName);

GbkText updateInfoUrl(std::string_view updateHost);

// Whether the update text names another version than ours: it must contain "版本号"; the version
// is everything after the last "版本号:", untrimmed, and empty when that marker is missing.
bool publishedVersionDiffers(std::string_view updateInfo, std::string_view clientVersion);

}  // namespace verdomo
