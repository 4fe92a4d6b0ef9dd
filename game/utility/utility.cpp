#include "game/utility/utility.h"

#include <ode/odeconfig.h>
#include <ode/error.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/trace.h"

namespace Kest {

void Log(const std::string& text) { Platform::Trace(text); }

void LogVerbatim(const std::string& text) { Platform::TraceVerbatim(text); }

float RandomRange(float a, float b) {
  const float r = static_cast<float>(std::rand() % 32768);
  const float value = a + r * (b - a) * 3.0518509e-05f;
  // The float arithmetic can land one step past an end: keep the promise.
  return std::min(std::max(value, std::min(a, b)), std::max(a, b));
}

float Round(float x) { return std::trunc(x + 0.5f); }

bool IsSamePoint(const ol::Vec2& p, const ol::Vec2& q) { return p.x == q.x && p.y == q.y; }

bool IsInBox(const ol::Vec2& min, const ol::Vec2& max, const ol::Vec2& p) {
  return min.x <= p.x && min.y <= p.y && p.x <= max.x && p.y <= max.y;
}

ol::Vec2 RotatePoint(const ol::Vec2& p, const float* m) {
  if (!m) {
    dDebug(2, "Bad argument(s) (%s:%d)", __FILE__, __LINE__);
    return p;
  }
  return ol::Vec2(m[0] * p.x + m[1] * p.y, m[4] * p.x + m[5] * p.y);
}

bool LeavesGameFolder(const std::string& name) {
  if (name.empty()) return false;
  if (name.find(':') != std::string::npos || name[0] == '/' || name[0] == '\\') return true;
  for (std::size_t start = 0; start <= name.size();) {
    const std::size_t end = std::min(name.find_first_of("/\\", start), name.size());
    if (name.compare(start, end - start, "..") == 0) return true;
    start = end + 1;
  }
  return false;
}

bool ParseBool(const std::string& text) { return text == "TRUE" || text == "true" || text == "1"; }

// The stream stores the nearest bound for a number out of range, and 0
// when there is no number (failing either way).
int StringToInt(const std::string& text) {
  std::istringstream in(text);
  int value = 0;
  in >> value;
  return value;
}

namespace {
template <typename T>
std::string Format(const T& value) {
  std::ostringstream out;
  out << value;
  return out.str();
}
}  // namespace

std::string ToString(float value) { return Format(value); }
std::string ToString(bool value) { return Format(value); }
std::string ToString(int value) { return Format(value); }
std::string ToString(unsigned value) { return Format(value); }
std::string ToString(unsigned long value) { return Format(value); }

}  // namespace Kest
