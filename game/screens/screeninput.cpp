#include "game/screens/screeninput.h"

#include <allegro.h>

#include <utility>

#include "game/screens/mousepresses.h"

namespace Kest {

ScreenInput::ScreenInput(Keyboard& keyboard) : keys_(keyboard) { MousePresses::Open(); }

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

// The presses are taken before the library reads the buttons: one that is
// still down then shows as a press of its own.
void ScreenInput::pollMouseInput() {
  const int pressed = MousePresses::Take();
  const int downBefore = DownButtons();
  gcn::AllegroInput::pollMouseInput();
  const int tapped = pressed & ~downBefore & ~DownButtons();
  if (tapped & MousePresses::kLeft) PushTap(gcn::MouseInput::LEFT);
  if (tapped & MousePresses::kRight) PushTap(gcn::MouseInput::RIGHT);
  if (tapped & MousePresses::kMiddle) PushTap(gcn::MouseInput::MIDDLE);
}

int ScreenInput::DownButtons() const {
  return (mMouseButton1 ? MousePresses::kLeft : 0) | (mMouseButton2 ? MousePresses::kRight : 0) |
         (mMouseButton3 ? MousePresses::kMiddle : 0);
}

void ScreenInput::PushTap(unsigned int button) {
  mMouseQueue.push(gcn::MouseInput(button, gcn::MouseInput::PRESSED, mLastMouseX, mLastMouseY, 0));
  mMouseQueue.push(gcn::MouseInput(button, gcn::MouseInput::RELEASED, mLastMouseX, mLastMouseY, 0));
}

}  // namespace Kest
