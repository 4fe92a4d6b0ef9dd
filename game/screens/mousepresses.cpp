#include "game/screens/mousepresses.h"

#include <allegro.h>

#include <atomic>

namespace Kest {

namespace {

std::atomic<int> pressed{0};

}  // namespace

void MousePresses::Open() {
  mouse_callback = &MousePresses::OnMouse;
  pressed.store(0);
}

int MousePresses::Take() { return pressed.exchange(0); }

void MousePresses::OnMouse(int flags) {
  int buttons = 0;
  if (flags & MOUSE_FLAG_LEFT_DOWN) buttons |= kLeft;
  if (flags & MOUSE_FLAG_RIGHT_DOWN) buttons |= kRight;
  if (flags & MOUSE_FLAG_MIDDLE_DOWN) buttons |= kMiddle;
  if (buttons != 0) pressed.fetch_or(buttons);
}

}  // namespace Kest
