// The mouse as a screen's widgets get it.
#include "game/screens/screeninput.h"

#include <gtest/gtest.h>

#include <allegro.h>

#include <string>
#include <vector>

#include "game/screens/mousepresses.h"

namespace {

class NoKeys : public Kest::Keyboard {
 public:
  bool IsHeld(int) override { return false; }
  bool KeyPressed() override { return false; }
  int ReadKey() override { return 0; }
};

using Events = std::vector<std::string>;

// The button events of one poll, as "left down 120 80".
Events Poll(Kest::ScreenInput& input) {
  input._pollInput();
  Events events;
  while (!input.isMouseQueueEmpty()) {
    const gcn::MouseInput event = input.dequeueMouseInput();
    if (event.getType() != gcn::MouseInput::PRESSED && event.getType() != gcn::MouseInput::RELEASED) continue;
    const char* button = event.getButton() == gcn::MouseInput::LEFT ? "left" : "other";
    events.push_back(std::string(button) + (event.getType() == gcn::MouseInput::PRESSED ? " down " : " up ") +
                     std::to_string(event.getX()) + " " + std::to_string(event.getY()));
  }
  return events;
}

// A tap that goes down and up between two polls is a press and a release
// where the mouse is; a press still held at the poll shows once; a press
// from before the screen opened is not the screen's.
TEST(ScreenInput, EveryMousePressReachesTheWidgetsOnce) {
  NoKeys keyboard;
  mouse_x = 120;
  mouse_y = 80;
  mouse_b = 0;
  Kest::ScreenInput input(keyboard);
  Poll(input);
  Kest::MousePresses::OnMouse(MOUSE_FLAG_LEFT_DOWN);
  Kest::MousePresses::OnMouse(MOUSE_FLAG_LEFT_UP);
  EXPECT_EQ(Poll(input), (Events{"left down 120 80", "left up 120 80"}));
  EXPECT_EQ(Poll(input), Events{});

  Kest::MousePresses::OnMouse(MOUSE_FLAG_LEFT_DOWN);
  mouse_b = 1;
  EXPECT_EQ(Poll(input), Events{"left down 120 80"});
  mouse_b = 0;
  EXPECT_EQ(Poll(input), Events{"left up 120 80"});

  Kest::MousePresses::OnMouse(MOUSE_FLAG_LEFT_DOWN | MOUSE_FLAG_LEFT_UP);
  Kest::ScreenInput next(keyboard);
  EXPECT_EQ(Poll(next), Events{});
}

}  // namespace
