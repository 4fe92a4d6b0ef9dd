#include "game/app/allegrokeyboard.h"

#include <allegro.h>

namespace Kest {

bool AllegroKeyboard::IsHeld(int scancode) { return key[scancode] != 0; }

bool AllegroKeyboard::KeyPressed() { return keypressed() != 0; }

int AllegroKeyboard::ReadKey() { return readkey(); }

}  // namespace Kest
