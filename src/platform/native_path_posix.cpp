#include "platform/native_path.h"

#include "platform/gbk_codec.h"

namespace verdomo {

std::filesystem::path nativePath(std::string_view gbkPath) {
  return std::filesystem::path(gbkToUtf8(gbkPath));
}

}  // namespace verdomo
