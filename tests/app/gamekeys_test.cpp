#include "game/app/gamekeys.h"

#include <allegro.h>
#include <gtest/gtest.h>

#include <deque>
#include <set>
#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

class FakeKeyboard : public Kest::Keyboard {
 public:
  bool IsHeld(int scancode) override { return held.count(scancode) != 0; }
  bool KeyPressed() override { return !presses.empty(); }
  int ReadKey() override {
    const int value = presses.front();
    presses.pop_front();
    return value;
  }
  std::set<int> held;
  std::deque<int> presses;
};

// Writes down every action but the throttle, which each pass sets.
class Actions : public Kest::KeyActions {
 public:
  void SetThrottle(int state) override { throttle = state; }
  void ToggleConsole() override { calls.push_back("console"); }
  void ReloadLevel() override { calls.push_back("reload"); }
  void ReturnToMenu() override { calls.push_back("menu"); }
  void TurnAround() override { calls.push_back("turn"); }
  int GetDirection() override { return direction; }
  void LeanBack() override { calls.push_back("back"); }
  void LeanForward() override { calls.push_back("forward"); }
  int throttle = -1;
  int direction = 0;
  Calls calls;
};

int Press(int scancode, int character = 0) { return scancode << 8 | character; }

TEST(GameKeys, ThrottleFollowsTheHeldArrowsOnEveryPass) {
  const struct {
    std::set<int> held;
    int throttle;
  } cases[] = {{{}, 2}, {{KEY_DOWN}, 1}, {{KEY_UP, KEY_DOWN}, 0}, {{KEY_UP}, 0}};
  for (const auto& c : cases) {
    FakeKeyboard keyboard;
    Actions actions;
    keyboard.held = c.held;
    keyboard.presses = {Press(KEY_SPACE, ' ')};
    Kest::HandleGameKeys(keyboard, actions);
    EXPECT_EQ(actions.throttle, c.throttle);
  }
}

// Alt+C arrives without a character; Q and Esc end the pass; the arrows
// lean toward their side of the screen whichever way the bike faces; other
// keys are read and ignored. One key press is read per pass.
TEST(GameKeys, EachKeyPressActsOnce) {
  const struct {
    int press, direction;
    Calls calls;
    bool goesOn;
  } cases[] = {
      {0x300, 0, {"console"}, true},        {Press(KEY_C, 'c'), 0, {}, true},
      {Press(KEY_C, 'C'), 0, {}, true},     {Press(KEY_Q, 'q'), 0, {"reload"}, false},
      {Press(KEY_ESC, 27), 0, {"menu"}, false}, {Press(KEY_SPACE, ' '), 0, {"turn"}, true},
      {Press(KEY_LEFT), 0, {"back"}, true}, {Press(KEY_RIGHT), 0, {"forward"}, true},
      {Press(KEY_LEFT), 1, {"forward"}, true}, {Press(KEY_RIGHT), 1, {"back"}, true},
      {Press(KEY_A, 'a'), 0, {}, true},     {Press(KEY_UP), 0, {}, true},
      {Press(KEY_F1), 0, {}, true},         {0, 0, {}, true},
  };
  for (const auto& c : cases) {
    FakeKeyboard keyboard;
    Actions actions;
    actions.direction = c.direction;
    keyboard.presses = {c.press, Press(KEY_Q, 'q')};
    EXPECT_EQ(Kest::HandleGameKeys(keyboard, actions), c.goesOn) << std::hex << c.press;
    EXPECT_EQ(actions.calls, c.calls) << std::hex << c.press;
    EXPECT_EQ(keyboard.presses.size(), 1u);
  }
}

}  // namespace
