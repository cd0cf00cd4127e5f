#include "update/package_extraction.h"

#include <unzip.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "update/staged_install.h"

namespace verdomo {
namespace {

using namespace verdomo::literals;
namespace fs = std::filesystem;

constexpr unsigned long kUtf8NameFlag = 1u << 11;
constexpr unsigned long kEncryptedFlag = 1u << 0;
// Inside the target folder, so that moving a staged file into place is a rename.
constexpr const char* kStagingFolder = ".update-staging";
// Inside the staging folder: the files the update replaces, until it has all been installed.
constexpr const char* kReplacedFolder = "replaced";

struct UnzipCloser {
  void operator()(void* zip) const { unzClose(zip); }
};
using ZipHandle = std::unique_ptr<void, UnzipCloser>;

struct Entry {
  std::string name;  // UTF-8
  bool isFolder = false;
};

// Packages made on Windows carry names in the ANSI code page unless they say UTF-8.
std::string entryName(const std::string& raw, unsigned long flags) {
  return (flags & kUtf8NameFlag) != 0 ? raw : gbkToUtf8(raw);
}

// Reads the central directory: every entry's name, or nothing when the package is not readable.
bool listEntries(void* zip, std::vector<Entry>& entries, bool& encrypted) {
  for (int status = unzGoToFirstFile(zip); status != UNZ_END_OF_LIST_OF_FILE;
       status = unzGoToNextFile(zip)) {
    if (status != UNZ_OK) return false;
    unz_file_info64 info{};
    if (unzGetCurrentFileInfo64(zip, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK) {
      return false;
    }
    std::string raw(info.size_filename, '\0');
    if (unzGetCurrentFileInfo64(zip, &info, raw.data(), static_cast<uLong>(raw.size()), nullptr, 0,
                                nullptr, 0) != UNZ_OK) {
      return false;
    }
    if ((info.flag & kEncryptedFlag) != 0) encrypted = true;
    std::string name = entryName(raw, info.flag);
    const bool isFolder = !name.empty() && name.back() == '/';
    if (isFolder) name.pop_back();
    entries.push_back({std::move(name), isFolder});
  }
  return true;
}

// An existing link inside the folder must not carry an entry elsewhere either.
bool staysInside(const fs::path& folder, const std::string& name) {
  std::error_code error;
  const fs::path base = fs::canonical(folder, error);
  if (error) return false;
  const fs::path target = fs::weakly_canonical(base / fs::path(name), error);
  if (error) return false;
  const auto [baseEnd, targetAt] =
      std::mismatch(base.begin(), base.end(), target.begin(), target.end());
  return baseEnd == base.end() && targetAt != target.end();
}

// The executable keeps its read bits and gains the matching execute bits.
void markExecutable(const fs::path& file) {
  std::error_code error;
  const fs::perms current = fs::status(file, error).permissions();
  if (error) return;
  fs::perms execute = fs::perms::owner_exec;
  if ((current & fs::perms::group_read) != fs::perms::none) execute |= fs::perms::group_exec;
  if ((current & fs::perms::others_read) != fs::perms::none) execute |= fs::perms::others_exec;
  fs::permissions(file, execute, fs::perm_options::add, error);
}

// Copies the current entry into `staged`. The CRC is checked when the entry is closed, after
// the last byte.
GbkText unpackCurrent(void* zip, const fs::path& staged, std::int64_t& budget) {
  if (unzOpenCurrentFile(zip) != UNZ_OK) return "更新包已损坏"_gbk;
  std::ofstream file(staged, std::ios::binary | std::ios::trunc);
  if (!file) {
    unzCloseCurrentFile(zip);
    return "无法写入文件"_gbk;
  }
  std::array<char, 64 * 1024> buffer{};
  int read = 0;
  while ((read = unzReadCurrentFile(zip, buffer.data(), buffer.size())) > 0) {
    budget -= read;
    if (budget < 0) {
      unzCloseCurrentFile(zip);
      return "更新包过大"_gbk;
    }
    if (!file.write(buffer.data(), read)) {
      unzCloseCurrentFile(zip);
      return "无法写入文件"_gbk;
    }
  }
  const int closed = unzCloseCurrentFile(zip);
  file.close();
  if (read < 0 || closed != UNZ_OK) return "更新包已损坏"_gbk;
  if (!file) return "无法写入文件"_gbk;
  return {};
}

// Unpacks every file entry under `staging`, in the order of the package.
GbkText stageAll(void* zip, const fs::path& staging, std::int64_t budget) {
  int index = 0;
  for (int status = unzGoToFirstFile(zip); status != UNZ_END_OF_LIST_OF_FILE;
       status = unzGoToNextFile(zip), ++index) {
    if (status != UNZ_OK) return "更新包已损坏"_gbk;
    // Folder entries hold no data; the staged files are numbered, so names never meet.
    const GbkText failure = unpackCurrent(zip, staging / std::to_string(index), budget);
    if (!failure.empty()) return failure;
  }
  return {};
}

// Moves the staged files into place all or nothing, creating the folders they need; the
// executable goes last, so that it stands in the folder only when everything else does. The
// files they replace wait below the staging folder until then.
GbkText installStaged(const std::vector<Entry>& entries, const fs::path& staging,
                      const fs::path& folder, const std::string& executable) {
  std::vector<fs::path> folders;
  std::vector<StagedFile> files;
  std::size_t executableIndex = 0;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (entries[i].isFolder) {
      folders.push_back(folder / fs::path(entries[i].name));
    } else if (entries[i].name == executable) {
      executableIndex = i;  // the last entry of that name wins, as it would unpacked in order
    } else {
      files.push_back({staging / std::to_string(i), folder / fs::path(entries[i].name)});
    }
  }
  files.push_back({staging / std::to_string(executableIndex), folder / fs::path(executable)});
  markExecutable(files.back().staged);
  if (!installAllOrNothing(folders, files, staging / kReplacedFolder)) return "无法写入文件"_gbk;
  return {};
}

}  // namespace

bool entryNameIsSafe(std::string_view name) {
  if (name.empty() || name.front() == '/') return false;
  if (name.find('\\') != std::string_view::npos || name.find(':') != std::string_view::npos) {
    return false;
  }
  // The file system reads a name only up to a zero byte, so "a/\0" would stand for the folder
  // "a"; no system takes control characters in a file name anyway.
  if (std::any_of(name.begin(), name.end(), [](char c) { return c >= 0 && c < 0x20; })) {
    return false;
  }
  std::size_t start = 0;
  while (start <= name.size()) {
    const std::size_t end = std::min(name.find('/', start), name.size());
    if (name.substr(start, end - start) == "..") return false;
    start = end + 1;
  }
  return true;
}

ExtractionResult extractPackage(const fs::path& package, const fs::path& folder,
                                const fs::path& executableName, std::int64_t maximumBytes) {
  const ZipHandle zip(unzOpen64(package.string().c_str()));
  if (!zip) return {false, "更新包已损坏"_gbk};
  std::vector<Entry> entries;
  bool encrypted = false;
  if (!listEntries(zip.get(), entries, encrypted)) return {false, "更新包已损坏"_gbk};
  if (encrypted) return {false, "更新包已加密，无法解压"_gbk};
  for (const Entry& entry : entries) {
    if (!entryNameIsSafe(entry.name) || !staysInside(folder, entry.name)) {
      return {false, "更新包含有不安全的路径 "_gbk + utf8ToGbk(entry.name)};
    }
  }
  const std::string executable = executableName.string();
  const bool holdsExecutable = std::any_of(entries.begin(), entries.end(), [&](const Entry& e) {
    return !e.isFolder && e.name == executable;
  });
  if (!holdsExecutable) return {false, "更新包中没有用户端程序"_gbk};

  const fs::path staging = folder / kStagingFolder;
  std::error_code error;
  fs::remove_all(staging, error);
  fs::create_directory(staging, error);
  if (error) return {false, "无法写入文件"_gbk};
  GbkText failure = stageAll(zip.get(), staging, maximumBytes);
  if (failure.empty()) failure = installStaged(entries, staging, folder, executable);
  fs::remove_all(staging, error);
  return {failure.empty(), failure};
}

}  // namespace verdomo
