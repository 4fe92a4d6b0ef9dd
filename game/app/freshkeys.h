// The key presses one screen of the game acts on: only those that began
// while it shows. A key already held when the screen opens (the Esc that
// closed the screen before, an arrow held across a finish) is the previous
// screen's: it and its repeats are ignored until it is released, and
// presses still waiting from before are dropped. Every screen's keys open
// again by themselves once another screen's keys opened in between, so a
// menu that comes back after a dialog ignores the key that closed the
// dialog. Held keys as such (the throttle) are the player's hand on the
// key, whenever it was pressed, and pass unchanged.
#pragma once

#include <deque>
#include <set>

#include "game/app/gamekeys.h"

namespace Kest {

class FreshKeys : public Keyboard {
 public:
  // The keys open at their first use.
  explicit FreshKeys(Keyboard& keyboard) : keyboard_(keyboard) {}

  // The screen shows from now on.
  void Open();

  bool IsHeld(int scancode) override { return keyboard_.IsHeld(scancode); }
  bool KeyPressed() override;
  // The next fresh press (0 when there is none).
  int ReadKey() override;

 private:
  void OpenWhenAnotherOpened();
  std::set<int> ReleasedStaleKeys() const;

  Keyboard& keyboard_;
  // The keys held at the opening and not released since.
  std::set<int> stale_;
  // Fresh presses read from the keyboard and not taken yet.
  std::deque<int> fresh_;
  bool opened_ = false;
  // Which opening of all screens' keys this one's last was.
  unsigned opening_ = 0;
};

}  // namespace Kest
