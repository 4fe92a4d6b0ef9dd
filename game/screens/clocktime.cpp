#include "game/screens/clocktime.h"

#include <cstdio>

namespace Kest {

// localtime_r: the console stamps lines on whatever thread logs them.
std::string ClockTime(std::time_t when) {
  std::tm local{};
  if (!localtime_r(&when, &local)) return "--:--:--";
  char text[40];  // room for any int, so nothing is ever cut
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", local.tm_hour, local.tm_min, local.tm_sec);
  return text;
}

}  // namespace Kest
