#include "game/screens/consolefigures.h"

#include <cmath>
#include <iomanip>
#include <sstream>

namespace Kest {

namespace {

// A speed this small is a wheel at rest: shown as 0.0, never as -0.0.
constexpr float kRestingSpeed = 0.001f;

std::string Fixed(float value, int decimals) {
  std::ostringstream text;
  text << std::fixed << std::setprecision(decimals) << static_cast<double>(value);
  return text.str();
}

}  // namespace

std::array<std::string, 5> FigureLines(const ConsoleFigures& figures) {
  const float speed = std::fabs(figures.speed) < kRestingSpeed ? 0.0f : figures.speed;
  return {"position: " + Fixed(figures.positionX, 0) + ", " + Fixed(figures.positionY, 0),
          "speed: " + Fixed(speed, 1),
          "FPS: " + Fixed(figures.fps, 0),
          "SIM: 1 / " + Fixed(figures.stepFigure, 0),
          "DRAW: 1 / " + Fixed(figures.frameFigure, 0)};
}

}  // namespace Kest
