// What the game's full-screen GUI screens share. The screen object keeps its
// background picture and the screen size for as long as it lives; each run
// of the screen opens its own GUI (graphics backend, mouse and key input, a
// full-screen see-through container on top, the mouse cursor), shows frames
// until the screen is left, and closes it all again. The screen acts only on
// keys pressed while it shows (ScreenInput).
#pragma once

#include <memory>
#include <string>

#include "game/screens/framepacer.h"
#include "game/screens/repaintpolicy.h"
#include "render/bitmap.h"

namespace gcn {
class Container;
class Gui;
class OlGraphics;
}  // namespace gcn

namespace Kest {

class Keyboard;
class ScreenInput;

class ScreenFrame {
 public:
  // A background that is not given or does not load leaves the screen
  // without one; the size is that of the screen that was set up.
  explicit ScreenFrame(const std::string& background);
  ~ScreenFrame();
  ScreenFrame(const ScreenFrame&) = delete;
  ScreenFrame& operator=(const ScreenFrame&) = delete;

  float Width() const { return width_; }
  float Height() const { return height_; }

  // Opens the screen's GUI; the container is the screen's to fill and stays
  // until Close. Without a cursor image the screen runs without a cursor.
  gcn::Container& Open();
  // Deletes the GUI, its backend, input and container, and the cursor.
  void Close();

  // One pass of the screen's loop, a frame's time long: the GUI's logic,
  // then, when the picture may have changed (see RepaintPolicy; a key for
  // the widgets counts as a change), the background stretched over the
  // screen, the GUI and the cursor at the mouse, shown once a frame's time
  // has passed since the last pass.
  void ShowFrame(bool contentChanged);

  // True once after Esc was pressed on the open screen, and whenever the
  // game is asked to end: every screen then leaves as by Esc.
  bool TakeEscape();
  // True once after any key was pressed on the open screen (Esc included).
  bool TakeKeyPress();
  // The keyboard that screens opened from now on read; null for the
  // library's. For tests that press keys.
  static void UseKeyboard(Keyboard* keyboard);
  // Screens are drawn untranslated: the application's camera goes to the
  // origin (the level sets its own again when it draws).
  static void ResetCamera();

 private:
  void Draw();

  ol::Bitmap background_;
  float width_;
  float height_;
  FramePacer pacer_;
  RepaintPolicy repaint_;
  // Which of all screens' shown frames was this screen's last one.
  unsigned lastShown_ = 0;
  std::unique_ptr<gcn::OlGraphics> graphics_;
  std::unique_ptr<ScreenInput> input_;
  std::unique_ptr<gcn::Container> top_;
  std::unique_ptr<gcn::Gui> gui_;
  std::unique_ptr<ol::Bitmap> cursor_;
};

}  // namespace Kest
