#pragma once

#include <filesystem>

namespace verdomo {

// The folder that holds the client's table store: the root of drive C on Windows, the user's
// data folder here ($XDG_DATA_HOME, else ~/.local/share, plus "verdomo"). A path of the file
// system, taken as it is: it never passes through a code page.
std::filesystem::path storeBaseFolder();

}  // namespace verdomo
