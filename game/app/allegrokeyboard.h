// The keyboard as Allegro sees it: the held-key table and the key buffer.
#pragma once

#include "game/app/gamekeys.h"

namespace Kest {

class AllegroKeyboard : public Keyboard {
 public:
  bool IsHeld(int scancode) override;
  bool KeyPressed() override;
  int ReadKey() override;
};

}  // namespace Kest
