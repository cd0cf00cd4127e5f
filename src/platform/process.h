#pragma once
// The running program and other programs.

#include <filesystem>

namespace verdomo {

// The folder of the running executable, and its file name without the folder.
std::filesystem::path runDirectory();
std::filesystem::path executableFileName();

// Ends this process at once, every thread with it. Only this client is ended, never another
// process that happens to share its executable name.
[[noreturn]] void endOwnProcess();

// Starts `program` as a new process of its own, in `workingDirectory`, without waiting for it.
bool startProcess(const std::filesystem::path& program,
                  const std::filesystem::path& workingDirectory);

}  // namespace verdomo
