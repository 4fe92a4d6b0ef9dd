// A keyboard for screens under test: nothing held, and one Esc pressed once the screen has opened its keys (the
// opening finds no key waiting).
#pragma once

#include <allegro.h>

#include "game/app/gamekeys.h"
#include "game/screens/screenframe.h"

namespace ScreenTests {

class EscapeKey : public Kest::Keyboard {
 public:
  EscapeKey() { Kest::ScreenFrame::UseKeyboard(this); }
  ~EscapeKey() override { Kest::ScreenFrame::UseKeyboard(nullptr); }

  bool IsHeld(int) override { return false; }
  bool KeyPressed() override { return opened_++ > 0 && !taken_; }
  int ReadKey() override {
    taken_ = true;
    return KEY_ESC << 8 | 27;
  }
  bool Taken() const { return taken_; }

 private:
  int opened_ = 0;
  bool taken_ = false;
};

}  // namespace ScreenTests
