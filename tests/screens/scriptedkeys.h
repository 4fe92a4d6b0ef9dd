// A keyboard for screens under test: nothing held, and the given presses
// once the screen has opened its keys (the opening finds none), each some
// passes after the one before; after the last, Esc, so that a screen that
// ignored them still ends.
#pragma once

#include <allegro.h>

#include <deque>
#include <utility>

#include "game/app/gamekeys.h"
#include "game/screens/screenframe.h"

namespace ScreenTests {

class ScriptedKeys : public Kest::Keyboard {
 public:
  // Allegro's key values: the scan code above the character.
  explicit ScriptedKeys(std::deque<int> presses) : presses_(std::move(presses)) {
    Kest::ScreenFrame::UseKeyboard(this);
  }
  ~ScriptedKeys() override { Kest::ScreenFrame::UseKeyboard(nullptr); }

  bool IsHeld(int) override { return false; }
  // A screen reads the keyboard a few times a pass.
  bool KeyPressed() override { return opened_++ > 0 && opened_ % 12 == 0; }
  int ReadKey() override {
    if (presses_.empty()) return KEY_ESC << 8 | 27;
    const int value = presses_.front();
    presses_.pop_front();
    return value;
  }
  bool AllTaken() const { return presses_.empty(); }

 private:
  std::deque<int> presses_;
  int opened_ = 0;
};

}  // namespace ScreenTests
