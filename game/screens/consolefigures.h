// The live figures of the running game that the debug console shows; the
// bike and the main loop write them, the console reads them when it draws.
#pragma once

#include <array>
#include <string>

namespace Kest {

struct ConsoleFigures {
  // The bike's chassis centre.
  float positionX = 0.0f;
  float positionY = 0.0f;
  // The bike's motor speed.
  float speed = 0.0f;
  // Frames per second, from the frame-rate counter.
  float fps = 0.0f;
  // Main-loop passes per physics step and per drawn frame.
  float stepFigure = 0.0f;
  float frameFigure = 0.0f;
  // Set while the front wheel is off the ground.
  bool wheelie = false;
};

// The console's five figure lines, top to bottom: position, speed, frame
// rate, passes per step ("SIM"), passes per frame ("DRAW").
std::array<std::string, 5> FigureLines(const ConsoleFigures& figures);

}  // namespace Kest
