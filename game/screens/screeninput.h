// The input of a full-screen GUI screen: the mouse as the library reads it,
// and the screen's fresh key presses (FreshKeys). Esc is the screen's own:
// it leaves the screen and never reaches a widget. Every other key goes to
// the widgets as the library's own input would hand it over (the focused
// list, drop-down, button or text field), and counts as a key press for
// screens that any key ends. A mouse press that came and went between two
// polls (a tap) still reaches the widgets (MousePresses).
#pragma once

#include <guichan/allegro/allegroinput.hpp>

#include "game/app/freshkeys.h"

namespace Kest {

class ScreenInput : public gcn::AllegroInput {
 public:
  explicit ScreenInput(Keyboard& keyboard);

  // Reads the waiting keys; true once after Esc was among them.
  bool TakeEscape();
  // Reads the waiting keys; true once after any key was among them.
  bool TakeKeyPress();

 protected:
  void pollKeyInput() override;
  void pollMouseInput() override;

 private:
  // The buttons down at the last poll, as MousePresses bits.
  int DownButtons() const;
  void PushTap(unsigned int button);
  void Press(int value);
  void ReleaseLetGoKeys();

  FreshKeys keys_;
  bool escape_ = false;
  bool pressed_ = false;
};

}  // namespace Kest
