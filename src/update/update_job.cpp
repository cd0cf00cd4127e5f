#include "update/update_job.h"

#include "platform/file_operations.h"
#include "platform/native_path.h"
#include "update/package_extraction.h"
#include "update/update_check.h"

namespace verdomo {

using namespace verdomo::literals;

std::filesystem::path UpdatePlan::packagePath() const {
  return runDirectory / nativePath("用户端.zip"_gbk);
}

std::filesystem::path UpdatePlan::executable() const {
  return runDirectory / nativePath(executableName);
}

UpdatePlan updatePlan(std::string_view updateHost, const std::filesystem::path& runDirectory,
                      std::string_view executableName) {
  return {
      "http://" + GbkText(updateHost) + "/ostrel.zip", runDirectory, GbkText(executableName), {}};
}

UpdateResult performUpdate(const UpdatePlan& plan, UpdateState& state,
                           const std::function<void()>& downloaded) {
  const std::filesystem::path package = plan.packagePath();
  // Whatever lies there now is left from an earlier attempt, never a package of this one.
  deleteFile(package);
  const DownloadResult download =
      downloadPackage(plan.packageUrl, package, state.download, plan.limits);
  if (!download.complete) return {false, download.failure};
  state.downloadFinished.store(true);
  if (downloaded) downloaded();
  const ExtractionResult extraction =
      extractPackage(package, plan.runDirectory, nativePath(plan.executableName));
  deleteFile(package);
  return {extraction.installed, extraction.failure};
}

bool restoreOldClient(const UpdatePlan& plan) {
  deleteFile(plan.packagePath());
  return moveFile(movedExecutable(plan.runDirectory, plan.executableName), plan.executable());
}

GbkText updateFailureMessage(std::string_view reason) {
  return "更新失败："_gbk + GbkText(reason) + "，请稍后重试或前往官网重新下载"_gbk;
}

}  // namespace verdomo
