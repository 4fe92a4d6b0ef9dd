// Mouse button presses as Allegro's input thread sees them. A screen reads
// the button state once a pass; a tap on a touchpad can go down and up
// again between two reads and would never show. Allegro's mouse callback
// keeps each press until the screen's input takes it.
#pragma once

namespace Kest {

class MousePresses {
 public:
  // Bits of the buttons, as in Allegro's mouse_b.
  static constexpr int kLeft = 1;
  static constexpr int kRight = 2;
  static constexpr int kMiddle = 4;

  // Starts keeping presses (the callback is put in place once) and forgets
  // those kept so far: a screen that opens acts on its own presses only.
  static void Open();
  // The buttons pressed since the last call.
  static int Take();
  // Allegro's mouse callback (its input thread); tests call it directly.
  static void OnMouse(int flags);
};

}  // namespace Kest
