// The main menu: the screen the game starts in and returns to, a window of
// four buttons ("play", "scores", "credits", "quit") over the menu picture.
// Running it gives true once the player has chosen a track, false when they
// quit (the button or Esc) or the menu could not be built.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "game/screens/screenframe.h"

namespace gcn {
class Button;
class ImageFont;
class Window;
}  // namespace gcn

namespace Kest {

class ButtonHandler;

class MainMenu {
 public:
  // Becomes the menu that GetInstance returns.
  explicit MainMenu(const std::string& background);
  ~MainMenu();
  MainMenu(const MainMenu&) = delete;
  MainMenu& operator=(const MainMenu&) = delete;

  static MainMenu* GetInstance();

  // The menu font "res\menufont.png": it exists only while the menu runs,
  // which is when the screens opened from the menu use it.
  gcn::ImageFont* GetFont() const { return font_.get(); }
  // The font of the menu that runs; null (the widgets' own font) when none
  // does.
  static gcn::ImageFont* GetRunningFont();

  // Builds the widgets afresh on every call and deletes them on return.
  bool Run();
  void DeleteWidgets();

 private:
  enum class Outcome { kStay, kPlay, kQuit };

  void Build(ButtonHandler& handler);
  void AddButton(const char* caption, int entry, ButtonHandler& handler, int& y);
  bool Loop(ButtonHandler& handler);
  Outcome Act(int entry);

  ScreenFrame frame_;
  std::unique_ptr<gcn::Window> window_;
  std::vector<std::unique_ptr<gcn::Button>> buttons_;
  std::unique_ptr<gcn::ImageFont> font_;
};

}  // namespace Kest
