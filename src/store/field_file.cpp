#include "store/field_file.h"

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>
#include <system_error>
#include <thread>
#include <vector>

#include "platform/durable_file.h"
#include "platform/gbk_codec.h"
#include "platform/native_path.h"

namespace verdomo {
namespace {

using namespace verdomo::literals;

std::optional<std::string> readWholeFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) return std::nullopt;
  return bytes;
}

const GbkText& temporaryMark() {
  static const GbkText mark = ".写入中"_gbk;
  return mark;
}

// ".<16 hex digits>.写入中": a field file ends with ".数据", so a temporary file can never be
// taken for one, and the random part keeps writers of the same field, in this process or in
// another, from meeting on one temporary name.
GbkText temporarySuffix() {
  thread_local std::mt19937_64 random{(std::uint64_t{std::random_device{}()} << 32) ^
                                      std::random_device{}()};
  char digits[17];
  std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(random()));
  return "." + GbkText(digits) + temporaryMark();
}

}  // namespace

std::optional<std::string> readFieldFile(const std::filesystem::path& file, std::size_t minimumSize,
                                         Pause& pause) {
  // An empty or short file may be a value that another program is still writing.
  for (int attempt = 1;; ++attempt) {
    auto bytes = readWholeFile(file);
    if (bytes && !bytes->empty() && bytes->size() >= minimumSize) return bytes;
    if (attempt == kReadAttempts) return std::nullopt;
    pause.pause(1);
  }
}

bool writeFieldFile(const std::filesystem::path& file, std::string_view bytes, WritePacing pacing,
                    Pause& pause) {
  // An attempt fails while the folder is missing or, on Windows, while a reader holds the file.
  for (int attempt = 1;; ++attempt) {
    if (pacing == WritePacing::YieldBeforeEach) std::this_thread::yield();
    if (replaceFile(file, bytes)) return true;
    if (attempt == kWriteAttempts) return false;
    if (pacing == WritePacing::PauseAfterFailure) pause.pause(1);
  }
}

bool replaceFile(const std::filesystem::path& file, std::string_view bytes) {
  std::filesystem::path temporary = file;
  temporary += nativePath(temporarySuffix());
  if (!writeNewFileDurably(temporary, bytes)) return false;
  std::error_code error;
  std::filesystem::rename(temporary, file, error);
  if (!error) return true;
  std::filesystem::remove(temporary, error);
  return false;
}

int removeLeftoverWrites(const std::filesystem::path& folder) {
  const std::string mark = nativePath(temporaryMark()).string();
  std::error_code error;
  std::vector<std::filesystem::path> leftovers;
  for (std::filesystem::recursive_directory_iterator entry(folder, error), end;
       !error && entry != end; entry.increment(error)) {
    const std::string name = entry->path().filename().string();
    if (name.ends_with(mark) && entry->is_regular_file(error)) leftovers.push_back(entry->path());
  }
  int removed = 0;
  for (const auto& file : leftovers) {
    if (std::filesystem::remove(file, error)) ++removed;
  }
  return removed;
}

}  // namespace verdomo
