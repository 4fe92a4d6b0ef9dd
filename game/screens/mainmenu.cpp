#include "game/screens/mainmenu.h"

namespace Kest {

namespace {
MainMenu* instance = nullptr;
}  // namespace

MainMenu::MainMenu(const std::string& /*background*/) { instance = this; }

MainMenu::~MainMenu() {
  if (instance == this) instance = nullptr;
}

MainMenu* MainMenu::GetInstance() { return instance; }

// The menu screens need the GUI backend: until the game has it there is no
// way to choose a track, which ends the game as quitting does.
bool MainMenu::Run() { return false; }

}  // namespace Kest
