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

bool startProcess(const std::filesystem::path& program) {
  // The program is run directly, not through a shell, so that a failed exec reaches us: glibc's
  // posix_spawn reports it as its result and reaps the child that could not become the program.
  const std::string file = program.string();
  char* const arguments[] = {const_cast<char*>(file.c_str()), nullptr};
  pid_t child = 0;
  return posix_spawn(&child, file.c_str(), nullptr, nullptr, arguments, environ) == 0;
}

}  // namespace verdomo
