// The update package: any bytes, unpacked into a folder, never write outside that folder, leave no
// staging behind, and either install with the executable in place or leave the folder as it was.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "fuzz_support.h"
#include "update/package_extraction.h"

using namespace verdomo;
using namespace verdomo::fuzz;
namespace fs = std::filesystem;

namespace {

// Every path below `root` with its size (-1 for a folder), relative to `root`.
std::map<std::string, std::intmax_t> listing(const fs::path& root) {
  std::map<std::string, std::intmax_t> entries;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    const auto relative = entry.path().lexically_relative(root).string();
    entries[relative] = entry.is_directory() ? -1 : static_cast<std::intmax_t>(entry.file_size());
  }
  return entries;
}

struct Workspace {
  fs::path root;
  Workspace() {
    std::string pattern = (fs::temp_directory_path() / "verdomo-package-fuzz-XXXXXX").string();
    root = ::mkdtemp(pattern.data());
  }
  ~Workspace() { fs::remove_all(root); }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Workspace workspace;
  const fs::path folder = workspace.root / "client";
  const fs::path package = workspace.root / "ostrel.zip";
  fs::remove_all(folder);
  fs::create_directories(folder / "data");
  std::ofstream(folder / "verdomo") << "old client";
  std::ofstream(folder / "data" / "kept.txt") << "kept";
  std::ofstream(package, std::ios::binary)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  const auto before = listing(workspace.root);

  const ExtractionResult result = extractPackage(package, folder, "verdomo", 1 << 20);

  const auto after = listing(workspace.root);
  for (const auto& [path, bytes] : after) {
    FUZZ_REQUIRE(path == "ostrel.zip" || path == "client" || path.starts_with("client/"));
    FUZZ_REQUIRE(!path.starts_with("client/.update-staging"));
  }
  for (const auto& entry : fs::recursive_directory_iterator(workspace.root)) {
    FUZZ_REQUIRE(!entry.is_symlink());
  }
  FUZZ_REQUIRE(result.installed == result.failure.empty());
  if (result.installed) {
    FUZZ_REQUIRE(fs::is_regular_file(folder / "verdomo"));
    FUZZ_REQUIRE(::access((folder / "verdomo").c_str(), X_OK) == 0);
  } else {
    FUZZ_REQUIRE(after == before);
  }
  FUZZ_REQUIRE(after.at("ostrel.zip") == static_cast<std::intmax_t>(size));
  return 0;
}
