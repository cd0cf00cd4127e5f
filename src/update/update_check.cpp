#include "update/update_check.h"

#include "api/gbk_text.h"
#include "platform/file_operations.h"
#include "platform/native_path.h"

namespace verdomo {

using namespace verdomo::literals;

void deleteUpdateLeftovers(const std::filesystem::path& runDirectory,
                           std::string_view executableName) {
  deleteFile(runDirectory / "ostrel.zip");
  deleteFile(runDirectory / nativePath("Ostrel客户端.exe.gx"_gbk));
  deleteFile(movedExecutable(runDirectory, executableName));
}

std::filesystem::path movedExecutable(const std::filesystem::path& folder,
                                      std::string_view executableName) {
  return folder / nativePath(GbkText(executableName) + ".gx");
}

GbkText updateInfoUrl(std::string_view updateHost) {
  return "http://" + GbkText(updateHost) + "/yh.txt";
}

bool publishedVersionDiffers(std::string_view updateInfo, std::string_view clientVersion) {
  static const GbkText marker = "版本号"_gbk;
  static const GbkText prefix = "版本号:"_gbk;
  if (!containsText(updateInfo, marker)) return false;
  return textAfterLast(updateInfo, prefix) != clientVersion;
}

}  // namespace verdomo
