#include "game/app/gamekeys.h"

#include <allegro.h>

namespace Kest {

namespace {

enum Throttle { kAccelerate = 0, kBrake = 1, kIdle = 2 };

int ThrottleFromArrows(Keyboard& keyboard) {
  if (keyboard.IsHeld(KEY_UP)) return kAccelerate;
  if (keyboard.IsHeld(KEY_DOWN)) return kBrake;
  return kIdle;
}

// The arrows lean the rider toward their side of the screen, whichever way
// the bike faces.
void Lean(KeyActions& actions, bool towardFront) {
  if (towardFront)
    actions.LeanForward();
  else
    actions.LeanBack();
}

bool FacesRight(KeyActions& actions) { return actions.GetDirection() == 0; }

}  // namespace

bool HandleGameKeys(Keyboard& keyboard, KeyActions& actions) {
  actions.SetThrottle(ThrottleFromArrows(keyboard));
  if (!keyboard.KeyPressed()) return true;
  const int value = keyboard.ReadKey();
  switch (value >> 8) {
    case KEY_C:
      // Alt+C arrives without a character; a typed c or C has one.
      if (value == KEY_C << 8) actions.ToggleConsole();
      return true;
    case KEY_Q:
      actions.ReloadLevel();
      return false;
    case KEY_ESC:
      actions.ReturnToMenu();
      return false;
    case KEY_SPACE:
      actions.TurnAround();
      return true;
    case KEY_LEFT:
      Lean(actions, !FacesRight(actions));
      return true;
    case KEY_RIGHT:
      Lean(actions, FacesRight(actions));
      return true;
    default:
      return true;
  }
}

}  // namespace Kest
