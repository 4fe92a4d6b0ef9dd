#include "script/arguments.h"

#include <algorithm>
#include <cfloat>
#include <climits>
#include <cmath>
#include <string>

#include "game/utility/utility.h"

namespace Kest {
namespace ScriptArguments {

int ToInt(double value) {
  if (std::isnan(value)) return 0;
  if (value <= double(INT_MIN)) return INT_MIN;
  if (value >= double(INT_MAX)) return INT_MAX;
  return static_cast<int>(value);
}

std::uint32_t ToMask(double value) {
  if (!(value >= 0.0)) return static_cast<std::uint32_t>(ToInt(value));
  return value >= double(UINT32_MAX) ? UINT32_MAX : static_cast<std::uint32_t>(value);
}

int ToChannel(double value) { return std::min(std::max(ToInt(value), 0), 255); }

float ToFloat(double value) {
  if (!std::isfinite(value)) return static_cast<float>(value);
  return static_cast<float>(std::min(std::max(value, double(-FLT_MAX)), double(FLT_MAX)));
}

bool AreFinite(const char* function, std::initializer_list<double> values) {
  const bool finite = std::all_of(values.begin(), values.end(), [](double value) {
    return std::isfinite(value) && std::fabs(value) <= double(FLT_MAX);
  });
  if (!finite) Log(std::string(function) + ": a number that is not finite is refused");
  return finite;
}

bool IsGameFile(const char* function, const std::string& name) {
  if (!LeavesGameFolder(name)) return true;
  Log(std::string(function) + ": a file outside the game's folder is refused");
  return false;
}

}  // namespace ScriptArguments
}  // namespace Kest
