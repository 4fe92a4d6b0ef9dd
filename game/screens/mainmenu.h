// The main menu: the screen the game starts in and returns to. Running it
// gives true once the player has chosen a track, false when they quit.
#pragma once

#include <string>

namespace Kest {

class MainMenu {
 public:
  // Becomes the menu that GetInstance returns.
  explicit MainMenu(const std::string& background);
  ~MainMenu();
  MainMenu(const MainMenu&) = delete;
  MainMenu& operator=(const MainMenu&) = delete;

  static MainMenu* GetInstance();

  bool Run();
};

}  // namespace Kest
