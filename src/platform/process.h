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

// Starts `program` as a new process of its own, in our current directory, without waiting for it
// to end. False when the program could not be started: missing, not executable, not a program.
bool startProcess(const std::filesystem::path& program);

}  // namespace verdomo
