// The time of day as the debug console stamps its events.
#pragma once

#include <ctime>
#include <string>

namespace Kest {

// The local time as "hh:mm:ss"; "--:--:--" when the C library cannot tell
// the local time of that moment.
std::string ClockTime(std::time_t when);

}  // namespace Kest
