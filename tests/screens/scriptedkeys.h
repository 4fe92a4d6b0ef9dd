// A keyboard for screens under test: nothing held, and the given presses
// once the screen has opened its keys (the opening finds none), one each
// time the screen reads the keyboard; some passes after the last, Esc, so
// that a screen that ignored them still ends.
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
  bool KeyPressed() override {
    if (opened_++ == 0 || std::exchange(justRead_, false)) return false;
    justRead_ = true;
    return !presses_.empty() || ++idleReads_ > 20;
  }
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
  bool justRead_ = false;
  int idleReads_ = 0;
};

}  // namespace ScreenTests
