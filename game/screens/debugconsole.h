// The debug console: live figures of the running game and a log of its
// events, shown on the right of the play screen while the player wants it.
#pragma once

#include <string>

namespace Kest {

class DebugConsole {
 public:
  // Becomes the console that GetInstance returns.
  DebugConsole();
  ~DebugConsole();
  DebugConsole(const DebugConsole&) = delete;
  DebugConsole& operator=(const DebugConsole&) = delete;

  static DebugConsole* GetInstance();

  // Adds a time line and the text to the console's event list; nothing
  // while the console has no event list.
  static void Log(const std::string& text);

  // Draws the console over the frame; the caller shows the frame.
  void Draw();

  // Main-loop passes per physics step and per drawn frame ("SIM", "DRAW").
  float stepFigure = 0.0f;
  float frameFigure = 0.0f;
};

}  // namespace Kest
