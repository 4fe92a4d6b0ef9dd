// The key presses a screen acts on: only those that began while it shows.
#include "game/app/freshkeys.h"

#include <allegro.h>
#include <gtest/gtest.h>

#include <deque>
#include <set>
#include <vector>

namespace {

// Allegro's keyboard as the test sets it: the held keys and the buffer of presses (repeats of a held key included).
class FakeKeyboard : public Kest::Keyboard {
 public:
  bool IsHeld(int scancode) override { return held.count(scancode) != 0; }
  bool KeyPressed() override { return !buffer.empty(); }
  int ReadKey() override {
    const int value = buffer.front();
    buffer.pop_front();
    return value;
  }
  // A press, or a repeat of a held key.
  void Press(int scancode) {
    held.insert(scancode);
    buffer.push_back(scancode << 8);
  }
  std::set<int> held;
  std::deque<int> buffer;
};

// The scan codes of the presses the screen takes now.
std::vector<int> Taken(Kest::FreshKeys& keys) {
  std::vector<int> taken;
  while (keys.KeyPressed()) taken.push_back(keys.ReadKey() >> 8);
  return taken;
}

using Codes = std::vector<int>;

TEST(FreshKeys, AKeyHeldAtTheOpeningCountsOnlyOncePressedAgain) {
  FakeKeyboard keyboard;
  keyboard.Press(KEY_ESC);  // the Esc that closed the screen before, still held
  keyboard.Press(KEY_A);    // a press from before the opening
  Kest::FreshKeys keys(keyboard);
  keys.Open();
  EXPECT_EQ(Taken(keys), Codes{});
  keyboard.Press(KEY_ESC);  // its repeats
  keyboard.Press(KEY_UP);   // a key pressed on the screen meanwhile
  keyboard.Press(KEY_ESC);
  keyboard.Press(KEY_A);    // held across the opening too: scan code 1, the first
  EXPECT_EQ(Taken(keys), Codes{KEY_UP});
  EXPECT_TRUE(keys.IsHeld(KEY_ESC)) << "held is held, whenever it was pressed";
  // A repeat that came before the release is still the old press, when the release is seen in the same poll.
  keyboard.Press(KEY_ESC);
  keyboard.held.erase(KEY_ESC);
  EXPECT_EQ(Taken(keys), Codes{});
  keyboard.Press(KEY_ESC);
  EXPECT_EQ(Taken(keys), Codes{KEY_ESC});
  keyboard.Press(KEY_ESC);  // a repeat of a press made on the screen
  EXPECT_EQ(Taken(keys), Codes{KEY_ESC});
}

// The menu's keys after a dialog it opened: the Esc that closed the dialog belongs to it.
TEST(FreshKeys, KeysOpenAgainOnceAnotherScreensKeysOpened) {
  FakeKeyboard keyboard;
  Kest::FreshKeys menu(keyboard), dialog(keyboard);
  EXPECT_EQ(Taken(menu), Codes{}) << "the keys open at their first use";
  keyboard.Press(KEY_ENTER);
  dialog.Open();
  EXPECT_EQ(Taken(dialog), Codes{});
  keyboard.held.clear();
  keyboard.Press(KEY_ESC);
  EXPECT_EQ(Taken(dialog), Codes{KEY_ESC});
  keyboard.Press(KEY_ESC);
  EXPECT_EQ(Taken(menu), Codes{});
  keyboard.held.clear();
  EXPECT_EQ(Taken(menu), Codes{});
  keyboard.Press(KEY_ESC);
  EXPECT_EQ(Taken(menu), Codes{KEY_ESC});
}

}  // namespace
