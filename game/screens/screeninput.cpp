#include "game/screens/screeninput.h"

#include <allegro.h>

#include <utility>

namespace Kest {

bool ScreenInput::TakeEscape() {
  pollKeyInput();
  return std::exchange(escape_, false);
}

bool ScreenInput::TakeKeyPress() {
  pollKeyInput();
  return std::exchange(pressed_, false);
}

void ScreenInput::pollKeyInput() {
  while (keys_.KeyPressed()) Press(keys_.ReadKey());
  ReleaseLetGoKeys();
}

// A press without a character (an arrow, Alt+C) has 0 in its low byte; the
// widgets know such keys by their scan code.
void ScreenInput::Press(int value) {
  const int scancode = value >> 8;
  pressed_ = true;
  if (scancode == KEY_ESC) {
    escape_ = true;
    return;
  }
  gcn::KeyInput input(convertToKey(scancode, value & 0xFF), gcn::KeyInput::PRESSED);
  input.setNumericPad(isNumericPad(scancode));
  input.setShiftPressed(key_shifts & KB_SHIFT_FLAG);
  input.setAltPressed(key_shifts & KB_ALT_FLAG);
  input.setControlPressed(key_shifts & KB_CTRL_FLAG);
  mKeyQueue.push(input);
  mPressedKeys[scancode] = input;
}

// A key the widgets saw pressed is told released once it is let go.
void ScreenInput::ReleaseLetGoKeys() {
  for (auto pressed = mPressedKeys.begin(); pressed != mPressedKeys.end();) {
    if (keys_.IsHeld(pressed->first)) {
      ++pressed;
      continue;
    }
    gcn::KeyInput input(pressed->second.getKey(), gcn::KeyInput::RELEASED);
    mKeyQueue.push(input);
    pressed = mPressedKeys.erase(pressed);
  }
}

}  // namespace Kest
