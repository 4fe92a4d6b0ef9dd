// The keys of play: the arrows throttle, brake and lean, Space turns the
// bike, Q restarts the level, Esc goes back to the menu, Alt+C shows or
// hides the debug console.
#pragma once

namespace Kest {

// The keyboard as the game reads it.
class Keyboard {
 public:
  virtual ~Keyboard() = default;
  virtual bool IsHeld(int scancode) = 0;
  virtual bool KeyPressed() = 0;
  // The next key press: scan code in the high byte, character in the low.
  virtual int ReadKey() = 0;
};

// What the keys act on.
class KeyActions {
 public:
  virtual ~KeyActions() = default;
  // 0 accelerate, 1 brake, 2 idle.
  virtual void SetThrottle(int state) = 0;
  virtual void ToggleConsole() = 0;
  virtual void ReloadLevel() = 0;
  virtual void ReturnToMenu() = 0;
  virtual void TurnAround() = 0;
  // 0 facing right, 1 facing left.
  virtual int GetDirection() = 0;
  virtual void LeanBack() = 0;
  virtual void LeanForward() = 0;
};

// Sets the throttle from the held arrows, then acts on at most one key
// press. False when the key reloaded or left the level: the rest of the
// main-loop pass is skipped.
bool HandleGameKeys(Keyboard& keyboard, KeyActions& actions);

}  // namespace Kest
