// Small free functions of the game: the trace log, random numbers, rounding,
// point and box tests, text and number conversions.
#pragma once

#include <sstream>
#include <string>

#include "render/vec2.h"

namespace Kest {

// Writes one line to the trace log "vantrail.log", verbatim.
void Log(const std::string& text);
// Writes the text to the trace log as it stands, without ending the line.
void LogVerbatim(const std::string& text);

// A value in [a, b] from the runtime's rand().
float RandomRange(float a, float b);

// x + 0.5 truncated toward zero: half-up rounding for x >= -0.5.
float Round(float x);

bool IsSamePoint(const ol::Vec2& p, const ol::Vec2& q);

// Edges included; any NaN gives false.
bool IsInBox(const ol::Vec2& min, const ol::Vec2& max, const ol::Vec2& p);

// Turns p by a solver rotation matrix (3 rows of 4 floats, row-major) and
// projects the result back onto the plane.
ol::Vec2 RotatePoint(const ol::Vec2& p, const float* rotation);

// Elapsed and delay in milliseconds; callers compare the two themselves.
class DelayTimer {
 public:
  DelayTimer() = default;
  explicit DelayTimer(float delay) : delay_(delay) {}

  void Advance(float dt) { elapsed_ += dt; }
  void Reset() { elapsed_ = 0.0f; }
  float GetElapsed() const { return elapsed_; }
  float GetDelay() const { return delay_; }

 private:
  float elapsed_ = 0.0f;
  float delay_ = 0.0f;
};

// True for a file name that reaches outside the game's folder: absolute in
// either slash style, with a drive, or with a ".." part. Tracks come from
// anywhere, and what they name must stay inside the game.
bool LeavesGameFolder(const std::string& name);

// True for exactly "TRUE", "true" and "1".
bool ParseBool(const std::string& text);

// Reads a number from the start of the text (leading blanks skipped); a text
// that holds no number gives 0, a number past the int range its bound.
int StringToInt(const std::string& text);

template <typename Number>
Number StringToNumber(const std::string& text) {
  std::istringstream in(text);
  Number value = 0;
  in >> value;
  return in.fail() ? Number(0) : value;
}

std::string ToString(float value);
std::string ToString(bool value);
std::string ToString(int value);
std::string ToString(unsigned value);
std::string ToString(unsigned long value);

}  // namespace Kest
