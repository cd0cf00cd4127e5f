#pragma once

#include <ctime>

namespace verdomo {

// The wall-clock time of this machine's zone.
std::tm localTimeNow();

}  // namespace verdomo
