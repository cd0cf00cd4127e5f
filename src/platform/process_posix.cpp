#include "platform/process.h"

#include <spawn.h>
#include <unistd.h>

#include <cstdlib>
#include <system_error>

extern char** environ;

namespace verdomo {

std::filesystem::path runDirectory() {
  std::error_code error;
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::current_path(error) : executable.parent_path();
}

std::filesystem::path executableFileName() {
  std::error_code error;
  return std::filesystem::read_symlink("/proc/self/exe", error).filename();
}

void endOwnProcess() {
  std::_Exit(0);
}

bool startProcess(const std::filesystem::path& program,
                  const std::filesystem::path& workingDirectory) {
  // The child changes into its folder before it runs the program.
  const std::string script = "cd \"$1\" && exec \"$2\"";
  const std::string folder = workingDirectory.string();
  const std::string file = program.string();
  char* const arguments[] = {const_cast<char*>("/bin/sh"),
                             const_cast<char*>("-c"),
                             const_cast<char*>(script.c_str()),
                             const_cast<char*>("sh"),
                             const_cast<char*>(folder.c_str()),
                             const_cast<char*>(file.c_str()),
                             nullptr};
  pid_t child = 0;
  return posix_spawn(&child, "/bin/sh", nullptr, nullptr, arguments, environ) == 0;
}

}  // namespace verdomo
