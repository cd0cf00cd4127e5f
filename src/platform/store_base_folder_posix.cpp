#include "platform/store_base_folder.h"

#include <cstdlib>

namespace verdomo {

std::filesystem::path storeBaseFolder() {
  const char* dataHome = std::getenv("XDG_DATA_HOME");
  const char* home = std::getenv("HOME");
  std::filesystem::path base;
  if (dataHome != nullptr && dataHome[0] == '/') {
    base = dataHome;
  } else {
    base = std::filesystem::path(home != nullptr ? home : "/tmp") / ".local" / "share";
  }
  return base / "verdomo";
}

}  // namespace verdomo
