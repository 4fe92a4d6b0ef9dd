#include "game/app/startup.h"

#include <allegro.h>

#include <memory>

#include "game/app/app.h"
#include "game/screens/debugconsole.h"
#include "game/screens/guifont.h"
#include "game/level/level.h"
#include "game/app/mainloop.h"
#include "game/app/quitrequest.h"
#include "game/screens/mainmenu.h"
#include "game/screens/objectiveswindow.h"
#include "game/app/runninggame.h"
#include "game/data/tracklist.h"
#include "game/utility/utility.h"
#include "platform/platform.h"
#include "render/fpscounter.h"
#include "render/setup.h"

namespace Kest {

namespace {

constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;
constexpr float kReferenceFps = 100.0f;

// The game's process-wide objects, in the order they are made.
struct GameObjects {
  std::unique_ptr<App> application;
  std::unique_ptr<GuiFont> guiFont;
  std::unique_ptr<DebugConsole> console;
  std::unique_ptr<Level> level;
  std::unique_ptr<MainMenu> mainMenu;
};

GameObjects objects;

bool LoadFirstLevel(const std::string& commandLine) {
  if (commandLine.empty()) return StartGameFromMenu();
  objects.level->Load(commandLine, true);
  return true;
}

// The camera keeps the bike in the middle of the screen that opened.
ol::Vec2 HalfScreen() {
  return ol::Vec2(static_cast<float>(ol::Setup::GetScreenWidth() / 2),
                  static_cast<float>(ol::Setup::GetScreenHeight() / 2));
}

void Play(std::uint32_t startTime) {
  ol::FpsCounter::Pause();
  objects.application->StartFadeFromBlack();
  ol::FpsCounter::Start(kReferenceFps);
  RunningGame game;
  MainLoop loop(game, Platform::Milliseconds, startTime, HalfScreen(), Platform::SleepMilliseconds);
  loop.Run();
}

}  // namespace

bool StartUpGame() {
  objects.application = std::make_unique<App>(kScreenWidth, kScreenHeight);
  if (!objects.application->HasScreen()) return false;
  InstallQuitRequests();
  TrackList::Create();
  TrackList::GetInstance()->Load();
  ObjectivesWindow::Create();
  objects.guiFont = std::make_unique<GuiFont>();
  objects.console = std::make_unique<DebugConsole>();
  objects.level = std::make_unique<Level>();
  ol::FpsCounter::Start(kReferenceFps);
  objects.mainMenu = std::make_unique<MainMenu>("res\\mainmenubg.png");
  return true;
}

int RunGame(const std::string& commandLine) {
  Platform::SetEnvironment("ALLEGRO_TRACE", "vantrail.log");
  Log("Starting the vantrail...");
  Platform::BeginTimerPeriod(1);
  const std::uint32_t startTime = Platform::Milliseconds();
  if (!StartUpGame()) {
    Log(std::string("Cannot open the game's screen: ") + allegro_error);
    ShutdownGame();
    return 1;
  }
  if (LoadFirstLevel(commandLine)) Play(startTime);
  ShutdownGame();
  return 0;
}

bool StartGameFromMenu() {
  if (IsQuitRequested() || !MainMenu::GetInstance()->Run()) return false;
  TrackRecord track;
  if (!TrackList::GetInstance()->GetCurrentTrack(track)) {
    Log("Level list is empty! Cannot start the game.");
    return false;
  }
  Level::GetInstance()->Load(track.fileName, true);
  return true;
}

void ShutdownGame() {
  objects.mainMenu.reset();
  objects.level.reset();
  objects.console.reset();
  objects.guiFont.reset();
  objects.application.reset();
  ObjectivesWindow::Destroy();
  TrackList::Destroy();
  // Textures and memory bitmaps can only be released while the library and
  // its GL context are still there.
  ol::Setup::Shutdown();
  allegro_exit();
}

}  // namespace Kest
