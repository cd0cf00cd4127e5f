#include "platform/store_base_folder.h"

#include <cstdlib>
#include <string>

namespace verdomo {

GbkText storeBaseFolder() {
  const char* dataHome = std::getenv("XDG_DATA_HOME");
  const char* home = std::getenv("HOME");
  std::string base;
  if (dataHome != nullptr && dataHome[0] == '/') {
    base = dataHome;
  } else {
    base = std::string(home != nullptr ? home : "/tmp") + "/.local/share";
  }
  return utf8ToGbk(base + "/verdomo");
}

}  // namespace verdomo
