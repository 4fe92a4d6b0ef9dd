// Start-up and shutdown of the drawing layer, and the screen it opened.
#pragma once

#include <string>

namespace ol {

class Setup {
 public:
  // Starts the library with the chosen input devices and PNG loading.
  static bool SetupProgram(bool keyboard, bool mouse, bool timer);
  // Opens the OpenGL screen and puts all drawing state into its start
  // condition, then performs the bitmap loads queued before the screen
  // existed. Returns whether the screen mode opened.
  static bool SetupScreen(int width, int height, bool fullscreen, int colorDepth, int zDepth,
                          int refreshRate);
  // Releases every bitmap and the framebuffer emulation. Call it while the
  // GL context is still alive (before allegro_exit).
  static void Shutdown();

  static bool IsScreenSetUp();
  static std::string GetExecutablePath();
  static std::string ToAbsolutePathname(const std::string& filename);

  // The screen size and colour depth passed to SetupScreen (0 before it).
  static int GetScreenWidth();
  static int GetScreenHeight();
  static int GetColorDepth();
};

}  // namespace ol
