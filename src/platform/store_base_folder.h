#pragma once

#include "platform/gbk_codec.h"

namespace verdomo {

// The folder that holds the client's table store: the root of drive C on Windows, the user's
// data folder here ($XDG_DATA_HOME, else ~/.local/share, plus "verdomo").
GbkText storeBaseFolder();

}  // namespace verdomo
