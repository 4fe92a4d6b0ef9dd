// The real game's window under the test's X server, as the end-to-end tests of the screens see it: mouse clicks, and
// areas of screenshots compared. The window stands at the X server's top left.
#pragma once

#include <string>

namespace TestSupport {
class GameRun;
}  // namespace TestSupport

namespace ScreenTests {

struct Area {
  int x, y, w, h;
};

// A part of the menu's window that no other screen covers with text, and
// the rows of the menu's buttons, which all stand around x = 572.
constexpr Area kMenuWindow{380, 410, 380, 120};
enum MenuButton { kPlay = 146, kScores = 221, kCredits = 296, kQuit = 371 };

// Waits for the game's window and its first full picture of the menu; returns the menu's screenshot.
std::string WaitForMenu(TestSupport::GameRun& game);

// Presses the left button at (x, y), held long enough to be polled.
void Click(int x, int y);
inline void Click(MenuButton button) { Click(572, button); }

// How many pixels of the area differ clearly between two screenshots.
long DifferentPixels(const std::string& a, const std::string& b, const Area& area);

// How many pixels of the area are brighter than the share of white given
// in percent: text on a window is above 80, anything but black above 10.
long BrightPixels(const std::string& shot, const Area& area, int percent = 80);
// How many pixels of the area are darker than 35 % in every channel.
long DarkPixels(const std::string& shot, const Area& area);

}  // namespace ScreenTests
