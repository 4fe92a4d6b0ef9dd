#include "game/screens/mousepresses.h"

#include <allegro.h>

#include <atomic>
#include <mutex>

namespace Kest {

namespace {

std::atomic<int> pressed{0};

}  // namespace

// The callback is put in place once, before Allegro's thread may read it.
void MousePresses::Open() {
  static std::once_flag installed;
  std::call_once(installed, [] { mouse_callback = &MousePresses::OnMouse; });
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
