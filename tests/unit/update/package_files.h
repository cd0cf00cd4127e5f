#pragma once
// Update packages for the tests, made by Python's zipfile rather than by our own code, and the
// means to look at what lands on disk.

#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

extern char** environ;

namespace verdomo::test {

struct ZipEntry {
  std::string name;  // as stored; a name ending in "/" is a folder
  std::string content;
  bool gbkName = false;  // stored in the ANSI code page without the UTF-8 flag, as Windows does
};

enum class Compression { Stored, Deflated };

// Python writes exactly the names it is given, "../" and absolute ones included.
inline constexpr const char* kMakeZip = R"(
import sys, zipfile
class GbkNamed(zipfile.ZipInfo):
    def _encodeFilenameFlags(self):
        return self.filename.encode("gbk"), self.flag_bits
out, mode = sys.argv[1], sys.argv[2]
method = zipfile.ZIP_DEFLATED if mode == "deflated" else zipfile.ZIP_STORED
rest = sys.argv[3:]
with zipfile.ZipFile(out, "w") as package:
    for gbk, name, content in zip(rest[0::3], rest[1::3], rest[2::3]):
        info = (GbkNamed if gbk == "1" else zipfile.ZipInfo)(name, (2026, 1, 1, 0, 0, 0))
        info.compress_type = method
        info.external_attr = 0o644 << 16
        package.writestr(info, content.encode("utf-8", "surrogateescape"))
)";

inline void makeZip(const std::filesystem::path& zipFile, const std::vector<ZipEntry>& entries,
                    Compression compression = Compression::Stored) {
  std::vector<std::string> arguments = {
      "python3", "-c", kMakeZip, zipFile.string(),
      compression == Compression::Deflated ? "deflated" : "stored"};
  for (const ZipEntry& entry : entries) {
    arguments.insert(arguments.end(), {entry.gbkName ? "1" : "0", entry.name, entry.content});
  }
  std::vector<char*> argv;
  for (std::string& argument : arguments)
    argv.push_back(argument.data());
  argv.push_back(nullptr);
  pid_t child = 0;
  ASSERT_EQ(posix_spawnp(&child, "python3", nullptr, nullptr, argv.data(), environ), 0);
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "python3 could not build the zip";
}

inline std::string readFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeFile(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

// Every file and folder below `root`, relative to it, links not followed.
inline std::set<std::string> treeOf(const std::filesystem::path& root) {
  std::set<std::string> tree;
  for (const auto& item : std::filesystem::recursive_directory_iterator(root)) {
    tree.insert(std::filesystem::relative(item.path(), root).generic_string());
  }
  return tree;
}

// A tiny stand-in for the new client: a script that writes the folder it was started in into
// the file `marker`.
inline std::string markerScript(const std::string& marker) {
  return "#!/bin/sh\npwd > '" + marker + "'\n";
}

}  // namespace verdomo::test
