#include "update/staged_install.h"

#include <optional>
#include <string>
#include <system_error>

namespace verdomo {
namespace {

namespace fs = std::filesystem;

// What one call has changed so far, to be taken back in reverse order.
class Installation {
 public:
  explicit Installation(fs::path asideFolder) : asideFolder_(std::move(asideFolder)) {}

  // Creates `folder` and the missing folders above it, one by one, remembering each.
  bool makeFolder(const fs::path& folder) {
    std::vector<fs::path> missing;
    fs::path existing = folder;
    std::error_code error;
    while (!existing.empty() &&
           fs::symlink_status(existing, error).type() == fs::file_type::not_found) {
      missing.push_back(existing);
      if (existing == existing.parent_path()) return false;
      existing = existing.parent_path();
    }
    if (!existing.empty() && !fs::is_directory(existing, error)) return false;
    for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
      if (!fs::create_directory(*it, error) || error) return false;
      madeFolders_.push_back(*it);
    }
    return true;
  }

  bool place(const StagedFile& file) {
    std::error_code error;
    const fs::file_status present = fs::symlink_status(file.target, error);
    if (fs::is_directory(present)) return false;
    Placed placed{file.target, std::nullopt, false};
    if (fs::exists(present)) {
      const fs::path aside = asideFolder_ / std::to_string(placed_.size());
      fs::rename(file.target, aside, error);
      if (error) return false;
      placed.old = aside;
    }
    placed_.push_back(placed);
    fs::rename(file.staged, file.target, error);
    if (error) return false;
    placed_.back().isNew = true;
    return true;
  }

  // Best effort: a step that fails does not stop the others.
  void takeBack() {
    std::error_code ignored;
    for (auto it = placed_.rbegin(); it != placed_.rend(); ++it) {
      if (it->isNew) fs::remove(it->target, ignored);
      if (it->old) fs::rename(*it->old, it->target, ignored);
    }
    for (auto it = madeFolders_.rbegin(); it != madeFolders_.rend(); ++it) {
      fs::remove(*it, ignored);  // only while empty
    }
  }

 private:
  struct Placed {
    fs::path target;
    std::optional<fs::path> old;  // where the file it replaced waits
    bool isNew;                   // the new file stands at the target
  };

  fs::path asideFolder_;
  std::vector<fs::path> madeFolders_;
  std::vector<Placed> placed_;
};

}  // namespace

bool installAllOrNothing(const std::vector<fs::path>& folders, const std::vector<StagedFile>& files,
                         const fs::path& asideFolder) {
  std::error_code error;
  fs::create_directories(asideFolder, error);
  if (error) return false;
  Installation installation(asideFolder);
  bool installed = true;
  for (const fs::path& folder : folders) {
    installed = installed && installation.makeFolder(folder);
  }
  for (const StagedFile& file : files) {
    installed =
        installed && installation.makeFolder(file.target.parent_path()) && installation.place(file);
  }
  if (!installed) installation.takeBack();
  return installed;
}

}  // namespace verdomo
